// The program's style: the desktop's own, except that the arrows a menu bar or tool bar shows
// when its items do not fit are only read when one is first drawn. Qt reads its own pictures
// by guessing their format, which loads every image format plugin; the menu bar would do that
// while the window is being built, for an arrow that the fixed-size window never shows.
#pragma once

#include <QProxyStyle>

namespace swatchly::platform {

class DeferredIconStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // Wraps a new instance of the style the application uses now (the desktop's, or the one
    // the user chose with -style).
    DeferredIconStyle();

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace swatchly::platform
