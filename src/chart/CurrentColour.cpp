// Picking and storing colours, the two refresh operations of the current colour, and the
// channel sliders that follow it.
#include "chart/frmTintora.h"

#include "core/ChartBoxes.h"
#include "platform/services/Clipboard.h"

namespace swatchly {

namespace {

constexpr int ShiftKey = 1;
constexpr int LeftButton = 1;
constexpr int RightButton = 2;

QString hexText(ColourValue c)
{
    return QString::fromStdString(modChromel::ColorToHex(c));
}

} // namespace

void frmTintora::Picture1_MouseDown(int Index, int Button, int Shift, float, float)
{
    if (Index < 0 || Index >= static_cast<int>(Picture1.size()))
        return;
    if (Shift == ShiftKey && Button == RightButton && UsersSpecialColors.contains(Index)) {
        UserColorsChanged = true;
        changedThisRun[static_cast<std::size_t>(Index)] = true;
        Picture1[static_cast<std::size_t>(Index)]->setBackColor(currentColour());
        picColorSel_Change();
    } else if (Button == LeftButton) {
        picColorSel->setBackColor(Picture1[static_cast<std::size_t>(Index)]->backColor());
        ShowColorsInHexDecTextBoxes();
        picColorSel_Change();
    }
}

void frmTintora::picColorSel_Change()
{
    //: Main window, the second line of the value boxes under the value: 65 px. The box's first
    //: six characters are what the clipboard gets, so the line break stays first.
    txtHexValue->setText(hexText(currentColour()) + tr("\r\nHex Value"));
    txtDecValue->setText(QString::fromStdString(decimalText(currentColour())) +
                         tr("\r\nDecimal Value"));
}

void frmTintora::ShowColorsInHexDecTextBoxes()
{
    // Taken once: the slider reactions below change the current colour on the way, and the
    // sliders must end on the channels of the colour this call started with.
    const std::string s = modChromel::ColorToHex(currentColour());
    for (std::size_t f = 0; f < 3; ++f)
        txtColValue[3 + f]->setText(QString::fromStdString(s.substr(2 * f, 2)));
    for (std::size_t f = 0; f < 3; ++f) {
        const int n = hexPairToChannel(s.substr(2 * f, 2)).value_or(0);
        txtColValue[f]->setText(QString::number(n));
        Slide[f]->setValue(n);
    }
}

void frmTintora::txtHexValue_Change()
{
    platform::clipboardClear();
    platform::clipboardSetText(
        QString::fromStdString(quotedHtml(txtHexValue->text().toStdString())));
}

void frmTintora::Slide_Change(int Index)
{
    const int r = Slide[0]->value();
    const int g = Slide[1]->value();
    const int b = Slide[2]->value();
    const ColourValue mix = RGB(r, g, b);
    lblSlide->setBackColor(mix);
    lblRGB[static_cast<std::size_t>(Index)]->setCaption(
        QString::number(Slide[static_cast<std::size_t>(Index)]->value()));
    picColorSel->setBackColor(lblSlide->backColor());
    lblSlide->setCaption(tr("Hex Value (%1)").arg(hexText(mix)));

    // Text colour for contrast: dark text on a strong blue, and on colours whose red and green
    // share their high bits (yellows and near-whites).
    ColourValue text = b < 200 ? 0xFFFFFF : 0x000000;
    if ((r & g) > 240)
        text = 0x000000;
    lblSlide->setForeColor(text);

    picColorSel_Change();
    ShowColorsInHexDecTextBoxes();
}

std::vector<ColourValue> frmTintora::userColours() const
{
    std::vector<ColourValue> colours;
    for (int i = UsersSpecialColors.first; i <= UsersSpecialColors.last; ++i)
        colours.push_back(Picture1[static_cast<std::size_t>(i)]->backColor());
    return colours;
}

void frmTintora::replaceUserColours(std::span<const ColourValue> colours)
{
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const auto index = static_cast<std::size_t>(UsersSpecialColors.first) + i;
        Picture1[index]->setBackColor(colours[i]);
        changedThisRun[index] = true;
    }
}

void frmTintora::cmdSlideSel_Click()
{
    picColorSel->setBackColor(lblSlide->backColor());
    picColorSel_Change();
}

} // namespace swatchly
