// Pictures read from files and resources.
#pragma once

#include <QIcon>
#include <QObject>
#include <QPixmap>

#include <functional>

namespace swatchly::platform {

// The icon that make() returns, asked for on first use (see Style.h for why). The icon counts
// as present (not null) until then.
QIcon lazyIcon(std::function<QIcon()> make);

// The picture in a file or resource, read by the reader its file name extension names; an
// empty pixmap when it cannot be read. Naming the format spares Qt from loading every image
// format plugin to guess it from the contents.
QPixmap loadPicture(const QString &path);

// The picture at a resource path with its double-size variant ("name@2x.png") beside it, so
// that it stays sharp on a high-DPI screen whatever screen the program started on. Both are
// read at once: the tool bar's and the menu's pictures read when first drawn instead saved
// nothing measurable (bench/startup.sh, both builds in the same run of 10 rounds, load 3 to 4
// on 2 cores: 27.7 ms CPU to mapped and 33,516 kB resident read late, 27.6 ms and 33,550 kB
// read at once).
QIcon resourceIcon(const QString &path);

// An invisible holder of a picture; icon() carries its double-size variant as well. The
// picture alone is read when first asked for. Never shown, it is no widget, so screen readers do
// not come across it.
class ImageHolder : public QObject
{
    Q_OBJECT
public:
    ImageHolder(QObject *parent, const QString &name, const QString &resource);

    QPixmap picture() const;
    QIcon icon() const { return m_icon; }

private:
    QString m_resource;
    mutable QPixmap m_picture;
    QIcon m_icon;
};

} // namespace swatchly::platform
