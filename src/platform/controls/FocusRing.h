// The frame a focused colour box or slider shows: rings drawn inside a rectangle.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

namespace swatchly::platform {

inline void fillRing(QPainter &painter, const QRect &outer, int width, const QColor &colour)
{
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), width), colour);
    painter.fillRect(QRect(outer.left(), outer.bottom() - width + 1, outer.width(), width), colour);
    painter.fillRect(QRect(outer.left(), outer.top(), width, outer.height()), colour);
    painter.fillRect(QRect(outer.right() - width + 1, outer.top(), width, outer.height()), colour);
}

} // namespace swatchly::platform
