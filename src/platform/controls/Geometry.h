// Window geometry is given in twips; at 96 DPI 15 twips make one logical pixel.
#pragma once

#include <QWidget>

namespace swatchly::platform {

constexpr int twips(int value)
{
    return (value >= 0 ? value + 7 : value - 7) / 15;
}

// A distance in logical pixels, in twips.
constexpr float twipsOf(qreal pixels)
{
    return static_cast<float>(pixels * 15);
}

// Places a control at Left, Top, Width, Height given in twips, relative to its container.
inline void placeTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

} // namespace swatchly::platform
