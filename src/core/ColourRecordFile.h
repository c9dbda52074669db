// Files of colour records: StartUpColors (the 21 chart colours), UserDefColors.col and the
// scheme files (the 14 Users Special Colors).
//
// The records are read from and written to fields, so the same code serves an open data file
// and text held in memory; opening the file, and putting a written one in place, is left to
// whoever holds it.
#pragma once

#include "core/ColourRecords.h"
#include "core/Fields.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace swatchly {

struct ColourRecordsRead
{
    // The colours of the records before the first failure, in file order.
    std::vector<ColourValue> colours;
    // The first failure: the input's error for a missing record (Input past end of file), Type
    // mismatch for a record that does not convert. Reading stops there.
    std::optional<FileError> failure;
};

// Reads count records in the given order.
ColourRecordsRead readColourRecords(FieldInput &input, std::size_t count, DigitOrder order);

struct EachColourRecord
{
    // One entry for each record read, nothing for one that does not convert; the list ends
    // early at the first missing record.
    std::vector<std::optional<ColourValue>> colours;
    // The input's error when a record could not be read for another reason than the end of
    // the input.
    std::optional<FileError> failure;

    // Some record is there but does not convert: the input holds something these colours
    // do not.
    bool damaged() const;
};

// Reads up to count records in the given order, going on past a record that does not convert.
EachColourRecord readEachColourRecord(FieldInput &input, std::size_t count, DigitOrder order);

// Writes one record for each colour in the given order; the output's error at the first field
// that could not be written.
std::optional<FileError> writeColourRecords(FieldOutput &output,
                                            std::span<const ColourValue> colours, DigitOrder order);

// The colours a save writes over a file that another copy of the program, or a start-up that
// could not load it, may hold differently: a changed box as it stands, every other box as the
// file holds it, and a box without a readable record in the file as it stands. onDisk may be
// shorter than standing (a file with fewer records, or none).
std::vector<ColourValue> keepUnchangedFromDisk(std::span<const ColourValue> standing,
                                               std::span<const bool> changed,
                                               std::span<const std::optional<ColourValue>> onDisk);

} // namespace swatchly
