// Colour records of either digit order, from arbitrary bytes: the input read as a file of
// records (as the start-up loading and import read them, one record a field) and as one field.
#pragma once

#include "FuzzCheck.h"

#include "core/Colour.h"
#include "core/ColourRecords.h"
#include "core/Fields.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace swatchly::fuzz {

inline bool isHexDigit(char ch)
{
    return std::isxdigit(static_cast<unsigned char>(ch)) != 0;
}

inline std::string upperCase(std::string_view text)
{
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char ch) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    });
    return upper;
}

inline void checkRecord(std::string_view field, DigitOrder order)
{
    const auto colour = readColourRecord(field, order);
    if (field.empty()) {
        FUZZ_CHECK(colour == ButtonFace);
        return;
    }
    const bool sixDigits = field.size() == 6 && std::all_of(field.begin(), field.end(), isHexDigit);
    if (sixDigits) {
        // Six hex digits always convert, and writing the colour back gives them again.
        FUZZ_CHECK(colour.has_value());
        FUZZ_CHECK(*colour >= 0 && *colour <= 0xFFFFFF);
        FUZZ_CHECK(colourRecordText(*colour, order) == upperCase(field));
    }
    if (order == DigitOrder::RRGGBB && colour) {
        // Only the first six characters are read, so nothing wider than a plain colour.
        FUZZ_CHECK(*colour >= 0 && *colour <= 0xFFFFFF);
    }
    if (colour && *colour >= 0 && *colour <= 0xFFFFFF) {
        const std::string text = colourRecordText(*colour, order);
        FUZZ_CHECK(text.size() == 6 && std::all_of(text.begin(), text.end(), isHexDigit));
        FUZZ_CHECK(readColourRecord(text, order) == colour);
    }
    // The one-shot storage order switch must never leak into the next conversion.
    FUZZ_CHECK(!modChromel::ReverseHexOnce);
}

inline void fuzzColourRecords(const std::uint8_t *data, std::size_t size, DigitOrder order)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    checkRecord(bytes, order);

    TextSource in(bytes);
    FieldReader reader(in);
    while (!reader.atEnd()) {
        const auto field = reader.readField();
        if (!field)
            break;
        checkRecord(*field, order);
    }
}

} // namespace swatchly::fuzz
