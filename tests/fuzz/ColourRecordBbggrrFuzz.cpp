// BBGGRR records: the scheme files written by export.
#include "ColourRecordFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    swatchly::fuzz::fuzzColourRecords(data, size, swatchly::DigitOrder::BBGGRR);
    return 0;
}
