// The help viewer's page: a text browser that reads its pages, style sheets and pictures from
// the help file.
#pragma once

#include <QTextBrowser>

namespace swatchly::help {

class ChmFile;
class HelpViewer;

// The page: reads its pages, style sheets and pictures from the help file.
class HelpPage final : public QTextBrowser
{
public:
    HelpPage(const ChmFile &file, const HelpViewer &viewer, QWidget *parent)
        : QTextBrowser(parent)
        , m_file(file)
        , m_viewer(viewer)
    { }

    QVariant loadResource(int type, const QUrl &name) override;

private:
    const ChmFile &m_file;
    const HelpViewer &m_viewer;
};

} // namespace swatchly::help
