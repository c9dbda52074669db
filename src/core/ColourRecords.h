// Colour records: one field holding one colour box as hex digits, or nothing.
//
// Two digit orders are in use: RRGGBB (StartUpColors, UserDefColors.col as saved at exit) and
// BBGGRR (scheme files written by export). An empty field is an empty box (ButtonFace).
#pragma once

#include "core/Colour.h"
#include "core/FileError.h"

#include <optional>
#include <string_view>

namespace swatchly {

enum class DigitOrder { RRGGBB, BBGGRR };

// The colour of a record, or nothing when the field does not convert (TypeMismatch).
std::optional<ColourValue> readColourRecord(std::string_view field, DigitOrder order);

// The six digits written for a colour box in the given order.
std::string colourRecordText(ColourValue c, DigitOrder order);

} // namespace swatchly
