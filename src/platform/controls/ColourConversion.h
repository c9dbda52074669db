// The Qt colours that show the program's colour values.
#pragma once

#include "core/Colour.h"

#include <QColor>

namespace swatchly::platform {

// The Qt colour that shows a colour value; system colours (high byte 0x80) show the platform's
// colour of that index, button face above all.
QColor toQColor(ColourValue value);

} // namespace swatchly::platform
