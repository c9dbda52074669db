// The colour value and its text notations.
//
// A colour value is a signed 32-bit integer: red in the low byte, then green, then blue; the
// high byte is 0 for a plain colour. One other value is in use, ButtonFace (0x8000000F), the
// system colour that marks an empty colour box. Here are the value, its channels, and the
// texts of a colour: hex pairs, the decimal number, the "&H" notations and their reading, the
// clipboard texts and ColorToHex. The records of the data files (ColourRecords.h) and the
// values of the names list (ColourNames.h) are built on them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace swatchly {

using ColourValue = std::int32_t;

// &H8000000F: the system colour "button face", the value of an empty colour box.
inline constexpr ColourValue ButtonFace = static_cast<ColourValue>(-2147483633);

// The colour of three channel numbers 0 to 255: red + 256 * green + 65536 * blue.
constexpr ColourValue RGB(int red, int green, int blue)
{
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

constexpr int redOf(ColourValue c)
{
    return c & 0xFF;
}
constexpr int greenOf(ColourValue c)
{
    return (c >> 8) & 0xFF;
}
constexpr int blueOf(ColourValue c)
{
    return (c >> 16) & 0xFF;
}

// Two upper-case hex digits, "00" to "FF".
std::string channelPair(int channel);

// "80" gives 128; only "0"-"9" and upper-case "A"-"F" count. Anything else is no pair.
std::optional<int> hexPairToChannel(std::string_view pair);

// The colour value as a signed decimal number: "16777215", "-2147483633".
std::string decimalText(ColourValue c);

// "&H" followed by characters 5-6, 3-4 and 1-2 of an RRGGBB text (as far as the text reaches).
std::string htmlToAmpH(std::string_view rrggbb);

// "&H" followed by the BBGGRR digits unchanged.
std::string storageToAmpH(std::string_view bbggrr);

// "&H" followed by characters 7-8, 5-6 and 3-4 of a colour-name value text (the first two
// characters carry no colour).
std::string nameValueToAmpH(std::string_view value);

// "&H" followed by one or more hex digits (either case) as a colour value; "&H8000000F" is
// ButtonFace. Anything else, or a number wider than 32 bits, has no value.
std::optional<ColourValue> parseAmpH(std::string_view text);

// The colour of six hex digits in HTML order, or nothing when they do not make a number.
std::optional<ColourValue> parseHtmlOrder(std::string_view rrggbb);

// A double quote, "#", the first six characters of hexText, a double quote. hexText is UTF-8, as
// typed into the hex display; its characters are counted as the display counts them, one
// beyond U+FFFF as two, and one that would reach past the sixth is left out.
std::string quotedHtml(std::string_view hexText);

// "255,128,0"
std::string decimalTriple(int red, int green, int blue);
// The three channel texts joined by commas, as the decimal boxes hold them: "12.5,0,255".
std::string decimalTriple(std::string_view red, std::string_view green, std::string_view blue);

} // namespace swatchly

namespace modChromel {

// When true, the next ColorToHex gives storage order (BBGGRR) and clears the flag.
extern bool ReverseHexOnce;

// Six upper-case hex digits of the three low bytes of c, in HTML order (RRGGBB), or once in
// storage order (BBGGRR) after ReverseHexOnce was set.
std::string ColorToHex(swatchly::ColourValue c);

} // namespace modChromel
