// "&H" texts: parseAmpH against a plain reference reading, and the three ways a stored text
// becomes an "&H" text (HTML order, storage order, names-list value) on arbitrary bytes.
#include "FuzzCheck.h"

#include "core/Colour.h"
#include "core/ColourNames.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using namespace swatchly;

namespace {

int digitValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return -1;
}

// "&H" or "&h", then one or more hex digits of which at most eight count (leading zeros
// do not), read as an unsigned 32-bit number and taken as signed.
std::optional<ColourValue> referenceAmpH(std::string_view text)
{
    if (text.size() < 3 || text[0] != '&' || (text[1] != 'H' && text[1] != 'h'))
        return std::nullopt;
    std::string_view digits = text.substr(2);
    for (char ch : digits) {
        if (digitValue(ch) < 0)
            return std::nullopt;
    }
    while (digits.size() > 1 && digits.front() == '0')
        digits.remove_prefix(1);
    if (digits.size() > 8)
        return std::nullopt;
    std::uint64_t value = 0;
    for (char ch : digits)
        value = value * 16 + static_cast<std::uint64_t>(digitValue(ch));
    return static_cast<ColourValue>(static_cast<std::uint32_t>(value));
}

void checkAmpH(std::string_view text)
{
    FUZZ_CHECK(parseAmpH(text) == referenceAmpH(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    checkAmpH(text);

    const std::string html = htmlToAmpH(text);
    FUZZ_CHECK(html.size() == 2 + std::min<std::size_t>(size, 6));
    checkAmpH(html);

    const std::string storage = storageToAmpH(text);
    FUZZ_CHECK(storage.size() == 2 + size);
    checkAmpH(storage);

    const std::string nameValue = nameValueToAmpH(text);
    FUZZ_CHECK(nameValue.size() == 2 + (size > 2 ? std::min<std::size_t>(size, 8) - 2 : 0));
    checkAmpH(nameValue);

    // A names-list value has a colour exactly when its characters 3 to 8 are hex digits,
    // and then it is those digits read as RRGGBB.
    const auto named = colourOfNameValue(text);
    bool sixDigits = size >= 8;
    for (std::size_t i = 2; sixDigits && i < 8; ++i)
        sixDigits = digitValue(text[i]) >= 0;
    FUZZ_CHECK(named.has_value() == sixDigits);
    if (named) {
        const auto channel = [&](std::size_t at) {
            return digitValue(text[at]) * 16 + digitValue(text[at + 1]);
        };
        FUZZ_CHECK(*named == RGB(channel(2), channel(4), channel(6)));
    }

    const auto html6 = parseHtmlOrder(text);
    if (html6)
        FUZZ_CHECK(*html6 >= 0 && *html6 <= 0xFFFFFF);

    // The quoted text is the start of the text, six characters of it when it is plain ASCII.
    const std::string quoted = quotedHtml(text);
    FUZZ_CHECK(quoted.size() >= 3 && quoted.starts_with("\"#") && quoted.ends_with('"'));
    FUZZ_CHECK(text.starts_with(std::string_view(quoted).substr(2, quoted.size() - 3)));
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
    if (ascii)
        FUZZ_CHECK(quoted.size() == 3 + std::min<std::size_t>(size, 6));
    return 0;
}
