// Typing a colour channel by channel, in decimal or in hexadecimal.
#include "chart/frmTintora.h"

#include "core/TypedChannels.h"
#include "platform/controls/TextBox.h"
#include "platform/services/Clipboard.h"
#include "platform/services/MessageBoxes.h"

#include <array>

namespace swatchly {

namespace {

constexpr int FirstHexBox = 3;

const char *channelName(std::size_t channel)
{
    static constexpr const char *names[] = { QT_TRANSLATE_NOOP("swatchly::frmTintora", "Red"),
                                             QT_TRANSLATE_NOOP("swatchly::frmTintora", "Green"),
                                             QT_TRANSLATE_NOOP("swatchly::frmTintora", "Blue") };
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
    auto typed = [this](std::size_t f) { return txtColValue[f]->text().toStdString(); };
    for (std::size_t f = 0; f < 3; ++f) {
        if (const auto corrected = decimalCorrection(typed(f)))
            txtColValue[f]->setText(QString::fromStdString(*corrected));
    }

    const int r = decimalChannel(typed(0));
    const int g = decimalChannel(typed(1));
    const int b = decimalChannel(typed(2));
    picColorSel->setBackColor(RGB(r, g, b));
    picColorSel_Change();
    ShowColorsInHexDecTextBoxes();

    platform::clipboardClear();
    platform::clipboardSetText(QString::fromStdString(decimalTriple(typed(0), typed(1), typed(2))));
}

void frmTintora::cmdHexColVal_Click()
{
    // All three boxes are completed and checked before anything changes, so that a box that
    // still holds no hexadecimal pair leaves the colour and every box as the user left them.
    // The completed texts need no writing back: the new colour rewrites all six boxes.
    std::array<int, 3> channels {};
    for (std::size_t f = 0; f < 3; ++f) {
        const auto channel = hexChannel(txtColValue[FirstHexBox + f]->text().toStdString());
        if (!channel) {
            platform::TextBox *box = txtColValue[FirstHexBox + f];
            //: %1 is the channel (Red, Green or Blue), %2 the text typed.
            m_services.messageBoxes->msgBox(tr("The %1 value \"%2\" is not a hexadecimal number "
                                               "from 00 to FF. Please correct it.")
                                                .arg(tr(channelName(f)), box->text()),
                                            platform::Buttons::OK, platform::Icon::Exclamation, {},
                                            this);
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
