#include "core/ColourRecords.h"

namespace swatchly {

std::optional<ColourValue> readColourRecord(std::string_view field, DigitOrder order)
{
    // Only an empty record stands for an empty box; a stored button-face box comes back as
    // the plain colour of its low bytes.
    if (field.empty())
        return ButtonFace;
    if (order == DigitOrder::RRGGBB)
        return parseAmpH(htmlToAmpH(field));
    return parseAmpH(storageToAmpH(field));
}

std::string colourRecordText(ColourValue c, DigitOrder order)
{
    if (order == DigitOrder::BBGGRR)
        modChromel::ReverseHexOnce = true;
    return modChromel::ColorToHex(c);
}

} // namespace swatchly
