// What every window does to itself: where it first shows, and the fixed colours it paints its
// background and its fields in.
#pragma once

#include "core/Colour.h"

class QScreen;
class QWidget;

namespace swatchly::platform {

// Moves a window, frame included, to the middle of the free area of a screen: the given one, or
// the screen the window is on.
void centreOnScreen(QWidget *window, const QScreen *screen = nullptr);

// Paints a window's background in a fixed colour, with black text on it under any desktop
// palette.
void setWindowColours(QWidget *window, ColourValue background);

// Gives an input field (and the text fields inside it) a fixed light colour with black text
// under any desktop palette.
void setFieldColours(QWidget *field, ColourValue base);

} // namespace swatchly::platform
