// What the help viewer's parts share: the address of a topic inside the help file and the role
// under which the contents and index panes keep an entry's topic.
#pragma once

#include <QString>
#include <QUrl>
#include <Qt>

namespace swatchly::help {

inline const QString TopicScheme = QStringLiteral("chm");
inline constexpr int TopicRole = Qt::UserRole;

inline QUrl topicUrl(const QString &objectPath, const QString &fragment = {})
{
    QUrl url;
    url.setScheme(TopicScheme);
    url.setPath(objectPath);
    if (!fragment.isEmpty())
        url.setFragment(fragment);
    return url;
}

} // namespace swatchly::help
