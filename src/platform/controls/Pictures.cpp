#include "platform/controls/Pictures.h"

#include <QFile>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>

#include <memory>

namespace swatchly::platform {

namespace {

class LazyIconEngine final : public QIconEngine
{
public:
    explicit LazyIconEngine(std::function<QIcon()> make)
        : m_icon(std::make_shared<Made>(Made { std::move(make), {} }))
    { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }

    // Asking whether there is an icon must not make it: button sizes ask while the window is
    // being built.
    bool isNull() override { return false; }

    QString key() const override { return QStringLiteral("swatchly.lazy"); }

    // Copies share what the first of them makes.
    QIconEngine *clone() const override { return new LazyIconEngine(*this); }

private:
    struct Made
    {
        std::function<QIcon()> make;
        QIcon icon;
    };

    const QIcon &icon()
    {
        if (m_icon->make) {
            m_icon->icon = m_icon->make();
            m_icon->make = nullptr;
        }
        return m_icon->icon;
    }

    std::shared_ptr<Made> m_icon;
};

} // namespace

QIcon lazyIcon(std::function<QIcon()> make)
{
    return QIcon(new LazyIconEngine(std::move(make)));
}

QPixmap loadPicture(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    QImageReader reader(path, dot < 0 ? QByteArray() : path.mid(dot + 1).toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon resourceIcon(const QString &path)
{
    QIcon icon;
    icon.addPixmap(loadPicture(path));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const QString doubled =
        dot < 0 ? path + QStringLiteral("@2x") : QString(path).insert(dot, QStringLiteral("@2x"));
    // The icon picks the larger picture wherever a screen of twice the density needs it.
    if (QFile::exists(doubled))
        icon.addPixmap(loadPicture(doubled));
    return icon;
}

ImageHolder::ImageHolder(QObject *parent, const QString &name, const QString &resource)
    : QObject(parent)
    , m_resource(resource)
    , m_icon(resourceIcon(resource))
{
    setObjectName(name);
}

QPixmap ImageHolder::picture() const
{
    if (m_picture.isNull())
        m_picture = loadPicture(m_resource);
    return m_picture;
}

} // namespace swatchly::platform
