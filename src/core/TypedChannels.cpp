#include "core/TypedChannels.h"

#include "core/Colour.h"

#include <algorithm>

namespace swatchly {

namespace {

bool isDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// A decimal box's text read as a number. It is kept as its digits so that the range checks and
// the rounding are exact, whatever the text's length.
struct DecimalNumber
{
    bool negative = false;
    std::string whole; // without leading zeros
    std::string fraction; // without trailing zeros

    bool isZero() const { return whole.empty() && fraction.empty(); }
    bool belowZero() const { return negative && !isZero(); }

    // The whole part when it is at most 255, otherwise nothing.
    std::optional<int> smallWhole() const
    {
        if (whole.size() > 3)
            return std::nullopt;
        const int value = whole.empty() ? 0 : std::stoi(whole);
        if (value > 255)
            return std::nullopt;
        return value;
    }
};

std::optional<DecimalNumber> readDecimal(std::string_view text)
{
    const auto blank = [](char ch) { return ch == ' ' || ch == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);

    DecimalNumber number;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool point = false;
    bool digits = false;
    for (char ch : text) {
        if (isDigit(ch)) {
            digits = true;
            (point ? number.fraction : number.whole) += ch;
        } else if (ch == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    number.whole.erase(0, number.whole.find_first_not_of('0'));
    const auto last = number.fraction.find_last_not_of('0');
    number.fraction.erase(last == std::string::npos ? 0 : last + 1);
    return number;
}

} // namespace

std::optional<std::string> decimalCorrection(std::string_view text)
{
    const auto number = readDecimal(text);
    if (!number || number->belowZero())
        return "0";
    const auto whole = number->smallWhole();
    if (!whole || (*whole == 255 && !number->fraction.empty()))
        return "255";
    return std::nullopt;
}

int decimalChannel(std::string_view text)
{
    const auto number = readDecimal(text);
    if (!number || number->belowZero())
        return 0;
    const auto whole = number->smallWhole();
    if (!whole)
        return 255;
    int channel = *whole;
    const std::string &fraction = number->fraction;
    if (!fraction.empty()) {
        // fraction has no trailing zeros, so "5" alone is exactly one half.
        const bool aboveHalf = fraction[0] > '5' || (fraction[0] == '5' && fraction.size() > 1);
        const bool half = fraction == "5";
        if (aboveHalf || (half && channel % 2 == 1))
            ++channel;
    }
    return std::min(channel, 255);
}

std::optional<int> hexChannel(std::string_view text)
{
    std::string pair(text);
    if (pair.size() < 2)
        pair.insert(pair.begin(), '0');
    if (pair == "0")
        pair = "00";
    for (char &ch : pair) {
        if (ch >= 'a' && ch <= 'f')
            ch = static_cast<char>(ch - 'a' + 'A');
    }
    return hexPairToChannel(pair);
}

} // namespace swatchly
