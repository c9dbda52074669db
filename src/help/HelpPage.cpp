#include "help/HelpPage.h"

#include "help/ChmFile.h"
#include "help/HelpTopics.h"
#include "help/HelpViewer.h"

namespace swatchly::help {

QVariant HelpPage::loadResource(int type, const QUrl &name)
{
    QUrl url = name;
    if (url.isRelative()) {
        QUrl base = document()->baseUrl();
        if (base.scheme() != TopicScheme)
            base = source();
        url = base.resolved(url);
    }
    QString object;
    if (url.scheme() == TopicScheme)
        object = m_file.objectFor(url.path());
    else if (url.toString().contains(QLatin1String("::")))
        object = m_file.objectFor(url.toString());
    if (object.isEmpty())
        return {};
    if (type == QTextDocument::ImageResource) {
        const QImage image = m_viewer.picture(object, devicePixelRatioF());
        if (!image.isNull())
            return image;
    }
    const auto bytes = m_file.read(object);
    if (!bytes)
        return {};
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
        return ChmFile::decodeText(*bytes);
    return *bytes;
}

} // namespace swatchly::help
