#include "platform/controls/ColourConversion.h"

#include <QApplication>
#include <QPalette>

namespace swatchly::platform {

QColor toQColor(ColourValue value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    if ((bits & 0xFF000000u) == 0x80000000u) {
        const QPalette palette = QApplication::palette();
        switch (bits & 0xFF) {
        case 5: // window background
            return palette.color(QPalette::Base);
        case 8: // window text
            return palette.color(QPalette::Text);
        case 11: // inactive border
            return palette.color(QPalette::Window).darker(105);
        default: // 15, button face, and the rest
            return palette.color(QPalette::Button);
        }
    }
    return QColor(redOf(value), greenOf(value), blueOf(value));
}

} // namespace swatchly::platform
