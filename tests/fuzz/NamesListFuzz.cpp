// The colour-names list as the start-up loading reads it: pairs of fields, a name and a value,
// until the end of the file, a failure, an empty value, or 501 entries; then each listed
// value as choosing its name reads it.
#include "FuzzCheck.h"

#include "core/ColourNames.h"
#include "core/Fields.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

using namespace swatchly;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    TextSource in(std::string(reinterpret_cast<const char *>(data), size));
    FieldReader names(in);
    std::array<std::string, 501> values;
    std::size_t listed = 0;
    std::size_t i = 0;
    while (!names.atEnd()) {
        if (i > 500)
            break;
        const auto name = names.readField();
        if (!name)
            break;
        const auto value = names.readField();
        if (!value)
            break;
        FUZZ_CHECK(name->size() <= FieldReader::maxFieldLength);
        FUZZ_CHECK(value->size() <= FieldReader::maxFieldLength);
        values.at(i) = *value;
        listed = i + 1;
        if (value->empty())
            break;
        ++i;
    }
    FUZZ_CHECK(listed <= values.size());
    for (std::size_t k = 0; k < listed; ++k) {
        const auto colour = colourOfNameValue(values[k]);
        if (colour)
            FUZZ_CHECK(*colour >= 0 && *colour <= 0xFFFFFF);
    }
    return 0;
}
