#include "core/Colour.h"

#include <algorithm>

namespace swatchly {

namespace {

int hexDigitValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return -1;
}

// Characters from..to (counted from 1) of text, as far as text reaches.
std::string_view characters(std::string_view text, std::size_t from, std::size_t to)
{
    if (from > text.size())
        return {};
    return text.substr(from - 1, std::min(to, text.size()) - from + 1);
}

} // namespace

std::string channelPair(int channel)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    const int c = channel & 0xFF;
    return { digits[c >> 4], digits[c & 0xF] };
}

std::optional<int> hexPairToChannel(std::string_view pair)
{
    if (pair.size() != 2)
        return std::nullopt;
    int value = 0;
    for (char ch : pair) {
        // Only upper-case digits count here; lower case comes only from pasting and is folded
        // by the callers that allow it.
        if (ch >= 'a' && ch <= 'f')
            return std::nullopt;
        const int digit = hexDigitValue(ch);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + digit;
    }
    return value;
}

std::string decimalText(ColourValue c)
{
    return std::to_string(c);
}

std::string htmlToAmpH(std::string_view rrggbb)
{
    std::string text = "&H";
    text += characters(rrggbb, 5, 6);
    text += characters(rrggbb, 3, 4);
    text += characters(rrggbb, 1, 2);
    return text;
}

std::string storageToAmpH(std::string_view bbggrr)
{
    return "&H" + std::string(bbggrr);
}

std::string nameValueToAmpH(std::string_view value)
{
    std::string text = "&H";
    text += characters(value, 7, 8);
    text += characters(value, 5, 6);
    text += characters(value, 3, 4);
    return text;
}

std::optional<ColourValue> parseAmpH(std::string_view text)
{
    if (text.size() < 3 || text[0] != '&' || (text[1] != 'H' && text[1] != 'h'))
        return std::nullopt;
    std::uint32_t value = 0;
    int significant = 0;
    for (char ch : text.substr(2)) {
        const int digit = hexDigitValue(ch);
        if (digit < 0)
            return std::nullopt;
        if (significant > 0 || digit != 0)
            ++significant;
        if (significant > 8)
            return std::nullopt; // wider than a colour value
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return static_cast<ColourValue>(value);
}

std::optional<ColourValue> parseHtmlOrder(std::string_view rrggbb)
{
    return parseAmpH(htmlToAmpH(rrggbb));
}

std::string quotedHtml(std::string_view hexText)
{
    constexpr std::size_t Characters = 6;
    std::size_t units = 0;
    std::size_t end = 0;
    while (end < hexText.size()) {
        // The length of the UTF-8 sequence from its first byte; a stray byte counts alone.
        const auto lead = static_cast<unsigned char>(hexText[end]);
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        const std::size_t width = length == 4 ? 2 : 1;
        if (units + width > Characters)
            break;
        units += width;
        end = std::min(end + length, hexText.size());
    }
    return "\"#" + std::string(hexText.substr(0, end)) + "\"";
}

std::string decimalTriple(int red, int green, int blue)
{
    return decimalTriple(std::to_string(red), std::to_string(green), std::to_string(blue));
}

std::string decimalTriple(std::string_view red, std::string_view green, std::string_view blue)
{
    std::string text(red);
    text += ',';
    text += green;
    text += ',';
    text += blue;
    return text;
}

} // namespace swatchly

namespace modChromel {

bool ReverseHexOnce = false;

std::string ColorToHex(swatchly::ColourValue c)
{
    using namespace swatchly;
    const std::string red = channelPair(redOf(c));
    const std::string green = channelPair(greenOf(c));
    const std::string blue = channelPair(blueOf(c));
    if (ReverseHexOnce) {
        ReverseHexOnce = false;
        return blue + green + red;
    }
    return red + green + blue;
}

} // namespace modChromel
