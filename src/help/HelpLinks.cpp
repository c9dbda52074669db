// The help viewer's topics and links: a reference from the help file, a link clicked on the
// page, the Home button.
#include "help/ChmFile.h"
#include "help/HelpPage.h"
#include "help/HelpTopics.h"
#include "help/HelpViewer.h"

#include <QStringList>

namespace swatchly::help {

namespace {

bool isOutsideLink(const QUrl &url)
{
    static const QStringList schemes { QStringLiteral("http"), QStringLiteral("https"),
                                       QStringLiteral("ftp"), QStringLiteral("mailto") };
    return schemes.contains(url.scheme().toLower());
}

} // namespace

bool HelpViewer::showTopic(const QString &reference)
{
    const QString object = m_file->objectFor(reference);
    if (object.isEmpty())
        return false;
    const qsizetype anchor = reference.indexOf(QLatin1Char('#'));
    m_page->setSource(topicUrl(object, anchor >= 0 ? reference.mid(anchor + 1) : QString()),
                      QTextDocument::HtmlResource);
    return true;
}

void HelpViewer::showHome()
{
    if (m_homeTopic.isEmpty() || !showTopic(m_homeTopic))
        showTopic(defaultTopic());
}

void HelpViewer::followLink(const QUrl &url)
{
    if (isOutsideLink(url)) {
        m_launcher.openUrl(url);
        return;
    }
    QUrl resolved = url.isRelative() ? m_page->source().resolved(url) : url;
    QString object;
    if (resolved.scheme() == TopicScheme)
        object = m_file->objectFor(resolved.path());
    else
        object = m_file->objectFor(resolved.toString(QUrl::RemoveFragment));
    if (!object.isEmpty())
        m_page->setSource(topicUrl(object, resolved.fragment()), QTextDocument::HtmlResource);
}

} // namespace swatchly::help
