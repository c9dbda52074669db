// The field reader over arbitrary bytes: it reads until the end or the first failure, never
// reads past the input, keeps each field within its limit, and makes progress on every call.
// Each field read also goes back through fieldText and must come out unchanged when the
// writer can represent it (no double quote inside).
#include "FuzzCheck.h"

#include "core/Fields.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace swatchly;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    TextSource in(bytes);
    FieldReader reader(in);

    std::size_t fields = 0;
    while (!reader.atEnd()) {
        const std::size_t before = reader.position();
        const auto field = reader.readField();
        if (!field) {
            FUZZ_CHECK(reader.error().code != 0);
            break;
        }
        FUZZ_CHECK(reader.error().code == 0);
        FUZZ_CHECK(field->size() <= FieldReader::maxFieldLength);
        const std::size_t after = reader.position();
        FUZZ_CHECK(after <= size);
        // Every field consumes at least its closing separator or the rest of the input.
        FUZZ_CHECK(after > before || reader.atEnd());
        FUZZ_CHECK(++fields <= size);

        if (field->find('"') == std::string::npos) {
            TextSource back(fieldText(*field));
            FieldReader again(back);
            const auto copy = again.readField();
            FUZZ_CHECK(copy && *copy == *field);
            FUZZ_CHECK(again.atEnd());
        }
    }
    // Past the end, reading fails with "Input past end of file" and returns nothing.
    if (reader.atEnd()) {
        FUZZ_CHECK(!reader.readField());
        FUZZ_CHECK(reader.error() == fileErrors::InputPastEndOfFile);
    }
    return 0;
}
