#include "core/ColourRecordFile.h"

#include <algorithm>

namespace swatchly {

ColourRecordsRead readColourRecords(FieldInput &input, std::size_t count, DigitOrder order)
{
    ColourRecordsRead read;
    read.colours.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto field = input.readField();
        if (!field) {
            read.failure = input.error();
            break;
        }
        const auto colour = readColourRecord(*field, order);
        if (!colour) {
            read.failure = fileErrors::TypeMismatch;
            break;
        }
        read.colours.push_back(*colour);
    }
    return read;
}

EachColourRecord readEachColourRecord(FieldInput &input, std::size_t count, DigitOrder order)
{
    EachColourRecord read;
    read.colours.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto field = input.readField();
        if (!field) {
            if (input.error() != fileErrors::InputPastEndOfFile)
                read.failure = input.error();
            break;
        }
        read.colours.push_back(readColourRecord(*field, order));
    }
    return read;
}

bool EachColourRecord::damaged() const
{
    return std::any_of(colours.begin(), colours.end(),
                       [](const std::optional<ColourValue> &colour) { return !colour; });
}

std::optional<FileError> writeColourRecords(FieldOutput &output,
                                            std::span<const ColourValue> colours, DigitOrder order)
{
    for (const ColourValue colour : colours) {
        if (!output.writeField(colourRecordText(colour, order)))
            return output.error();
    }
    return std::nullopt;
}

std::vector<ColourValue> keepUnchangedFromDisk(std::span<const ColourValue> standing,
                                               std::span<const bool> changed,
                                               std::span<const std::optional<ColourValue>> onDisk)
{
    std::vector<ColourValue> colours(standing.begin(), standing.end());
    for (std::size_t i = 0; i < colours.size() && i < onDisk.size(); ++i) {
        const bool changedThisRun = i < changed.size() && changed[i];
        if (!changedThisRun && onDisk[i])
            colours[i] = *onDisk[i];
    }
    return colours;
}

} // namespace swatchly
