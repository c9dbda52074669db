// The help viewer: the program's own window that shows a compiled help file, for the targets
// and commands of the platform's help service (platform/services/Help.h).
//
// A HelpViewer belongs to no other window and stays open beside the program, like the help
// viewer of the desktop would; one viewer serves one file, and asking for that file again brings
// the viewer to the front at the asked topic. It never keeps the program running on its own.
// A file that is missing, cannot be read or is no help file opens nothing; the production
// service then says so in a message box that names the file and the reason.
#pragma once

#include "platform/services/Help.h"
#include "platform/services/Launcher.h"

#include <QImage>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <memory>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace swatchly::help {

class ChmFile;
class HelpPage;

class HelpViewer : public QWidget
{
    Q_OBJECT
public:
    // Shows the target's file in its viewer, opening one when the file has none yet; nullptr
    // when the file is missing or is no readable help file (then `failure`, when given, gets a
    // message naming the file and why), or the command is not one of the two above. A new
    // viewer hands the links that lead out of the file to launcher.
    static HelpViewer *display(platform::Launcher &launcher, const platform::HelpTarget &target,
                               int command, int data, QString *failure = nullptr);
    // The open viewer of a file, or nullptr.
    static HelpViewer *viewerFor(const QString &file);

    ~HelpViewer() override;

    QString fileName() const;
    // The object path of the page shown ("/overview.htm").
    QString currentTopic() const;
    QTreeWidget *contentsTree() const { return m_contents; }
    QListWidget *indexList() const { return m_index; }
    QTextBrowser *page() const;

    // The picture the page shows for a picture object of the file on a screen of the given
    // pixel ratio: on a high-DPI screen its double-size variant ("name@2x.png") when the file
    // holds one, marked as such so that it takes the same room; a null image when the file has
    // no such picture.
    QImage picture(const QString &objectPath, qreal devicePixelRatio) const;

    // Shows a topic given as a help file writes a reference to it; false (and the page
    // unchanged) when the file has no such topic.
    bool showTopic(const QString &reference);
    void showHome();

private:
    HelpViewer(platform::Launcher &launcher, std::unique_ptr<ChmFile> file,
               const QString &windowName);

    QString defaultTopic() const;
    void fillContents();
    void fillIndex();
    void followLink(const QUrl &url);
    void selectContentsEntry(const QUrl &url);
    void showFirstIndexMatch(const QString &text);

    platform::Launcher &m_launcher;
    std::unique_ptr<ChmFile> m_file;
    QString m_windowName;
    QString m_contentsFile;
    QString m_indexFile;
    QString m_windowDefaultTopic;
    QString m_homeTopic;
    QTabWidget *m_tabs = nullptr;
    QTreeWidget *m_contents = nullptr;
    QLineEdit *m_indexFilter = nullptr;
    QListWidget *m_index = nullptr;
    HelpPage *m_page = nullptr;
    bool m_syncingContents = false;
};

} // namespace swatchly::help
