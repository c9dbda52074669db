// The colour-name box: type-ahead over the names list, and the found-name action.
#include "chart/frmTintora.h"

#include "core/ColourNames.h"
#include "platform/services/Clipboard.h"

namespace swatchly {

void frmTintora::foundColourName(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= ColorNameValues.size())
        return;
    // The entry whose empty value ended the loading is still listed, and a damaged names file
    // may hold other values without six hex digits: such a name has no colour to apply, and
    // copying it would announce a colour that was never chosen.
    const auto colour = colourOfNameValue(ColorNameValues[static_cast<std::size_t>(index)]);
    if (!colour)
        return;
    picColorSel->setBackColor(*colour);
    picColorSel_Change();
    ShowColorsInHexDecTextBoxes();
    // Replaces the HTML value that the refresh has just put on the clipboard.
    platform::clipboardClear();
    platform::clipboardSetText(QLatin1Char('"') + Combo1->list(index) + QLatin1Char('"'));
}

} // namespace swatchly
