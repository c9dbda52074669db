// Typing a colour channel by channel, in decimal or in hexadecimal.
#include "chart/frmTintora.h"

#include "platform/controls/TextBox.h"
#include "platform/services/Clipboard.h"
#include "platform/services/MessageBoxes.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace swatchly {

namespace {

constexpr int FirstHexBox = 3;

bool isDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// A decimal box's text read as a number: blanks around it ignored, an optional sign, digits
// and at most one point. It is kept as its digits so that the range checks and the rounding
// are exact, whatever the text's length.
struct DecimalNumber
{
    bool negative = false;
    std::string whole; // without leading zeros
    std::string fraction; // without trailing zeros

    bool isZero() const { return whole.empty() && fraction.empty(); }

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

// The corrected text of a decimal box: "0" for no number or one below 0, "255" for one above
// 255, otherwise the text as typed.
QString correctedDecimal(const QString &text)
{
    const auto number = readDecimal(text.toStdString());
    if (!number)
        return QStringLiteral("0");
    if (number->negative && !number->isZero())
        return QStringLiteral("0");
    const auto whole = number->smallWhole();
    if (!whole || (*whole == 255 && !number->fraction.empty()))
        return QStringLiteral("255");
    return text;
}

// A corrected decimal box as a channel, rounded to the nearest integer, halves to the even one.
int channelOfDecimal(const QString &text)
{
    const auto number = readDecimal(text.toStdString());
    if (!number || (number->negative && !number->isZero()))
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

// A hexadecimal box's completed text as a channel; lower case, which only pasting brings,
// counts like upper case.
std::optional<int> channelOfHexPair(const QString &text)
{
    std::string pair = text.toStdString();
    for (char &ch : pair) {
        if (ch >= 'a' && ch <= 'f')
            ch = static_cast<char>(ch - 'a' + 'A');
    }
    return hexPairToChannel(pair);
}

const char *channelName(std::size_t channel)
{
    static constexpr const char *names[] = { "Red", "Green", "Blue" };
    return names[channel];
}

} // namespace

void frmTintora::txtColValue_KeyPress(int Index, int &KeyAscii)
{
    const bool hexBox = Index >= FirstHexBox;
    const bool kept = KeyAscii == 8 || KeyAscii == 13 || KeyAscii == '.' ||
        (KeyAscii >= '0' && KeyAscii <= '9') || (hexBox && KeyAscii >= 'A' && KeyAscii <= 'F');
    if (!kept)
        KeyAscii = 0;
}

void frmTintora::cmdDecColVal_Click()
{
    for (std::size_t f = 0; f < 3; ++f)
        txtColValue[f]->setText(correctedDecimal(txtColValue[f]->text()));

    const int r = channelOfDecimal(txtColValue[0]->text());
    const int g = channelOfDecimal(txtColValue[1]->text());
    const int b = channelOfDecimal(txtColValue[2]->text());
    picColorSel->setBackColor(RGB(r, g, b));
    picColorSel_Change();
    ShowColorsInHexDecTextBoxes();

    platform::clipboardClear();
    platform::clipboardSetText(txtColValue[0]->text() + QLatin1Char(',') + txtColValue[1]->text() +
                               QLatin1Char(',') + txtColValue[2]->text());
}

void frmTintora::cmdHexColVal_Click()
{
    // All three boxes are completed and checked before anything changes, so that a box that
    // still holds no hexadecimal pair leaves the colour and every box as the user left them.
    // The completed texts need no writing back: the new colour rewrites all six boxes.
    std::array<int, 3> channels {};
    for (std::size_t f = 0; f < 3; ++f) {
        QString text = txtColValue[FirstHexBox + f]->text();
        if (text.size() < 2)
            text.prepend(QLatin1Char('0'));
        if (text == QLatin1String("0"))
            text = QStringLiteral("00");
        const auto channel = channelOfHexPair(text);
        if (!channel) {
            platform::TextBox *box = txtColValue[FirstHexBox + f];
            platform::msgBox(QStringLiteral("The %1 value \"%2\" is not a hexadecimal number "
                                            "from 00 to FF. Please correct it.")
                                 .arg(QLatin1String(channelName(f)), box->text()),
                             platform::Buttons::OK, platform::Icon::Exclamation, {}, this);
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
            return;
        }
        channels[f] = *channel;
    }

    picColorSel->setBackColor(RGB(channels[0], channels[1], channels[2]));
    picColorSel_Change();
    ShowColorsInHexDecTextBoxes();
    txtHexValue_Change();
}

} // namespace swatchly
