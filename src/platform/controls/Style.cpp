#include "platform/controls/Style.h"

#include "platform/controls/Pictures.h"

#include <QApplication>
#include <QPointer>
#include <QStyleFactory>

namespace swatchly::platform {

DeferredIconStyle::DeferredIconStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{ }

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                      const QWidget *widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton ||
        standardIcon == SP_ToolBarVerticalExtensionButton)
        return lazyIcon([style = QPointer<QStyle>(baseStyle()), standardIcon] {
            return style ? style->standardIcon(standardIcon) : QIcon();
        });
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

} // namespace swatchly::platform
