// Entries of the colour names list: a name and a value text whose characters 3 to 8 hold the
// colour as six hex digits in RRGGBB order (the first two characters are not read).
#pragma once

#include "core/Colour.h"

#include <optional>
#include <string_view>

namespace swatchly {

// The colour of a names-list value text, or nothing when its characters 3 to 8 are not six
// hex digits (either case). Such an entry, like the one whose empty value ends the list, has
// no colour, and choosing it must leave the current colour alone.
std::optional<ColourValue> colourOfNameValue(std::string_view value);

} // namespace swatchly
