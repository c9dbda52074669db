#include "core/ColourNames.h"

#include <algorithm>

namespace swatchly {

std::optional<ColourValue> colourOfNameValue(std::string_view value)
{
    if (value.size() < 8)
        return std::nullopt;
    // parseAmpH alone would take a short or partly numeric text as some other colour.
    const std::string_view digits = value.substr(2, 6);
    const bool allHex = std::all_of(digits.begin(), digits.end(), [](char ch) {
        return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f');
    });
    if (!allHex)
        return std::nullopt;
    return parseAmpH(nameValueToAmpH(value));
}

} // namespace swatchly
