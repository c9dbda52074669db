// RRGGBB records: StartUpColors and UserDefColors.col as the program saves it.
#include "ColourRecordFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    swatchly::fuzz::fuzzColourRecords(data, size, swatchly::DigitOrder::RRGGBB);
    return 0;
}
