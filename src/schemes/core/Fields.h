// Fields of the data files.
//
// Writing: each field is a double quote, its text, a double quote and CR LF.
// Reading: blanks before a field are skipped; a field that starts with a double quote runs to
// the next double quote (commas inside belong to it) and whatever follows up to the next comma
// or line end is skipped; any other field runs to the next comma or line end. CR LF, a lone CR
// and a lone LF all end a line; reading a field consumes the comma or line end that closes it.
// Asking for a field when no text is left is the failure "Input past end of file".
#pragma once

#include "schemes/core/FileError.h"

#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace swatchly {

class FieldReader
{
public:
    // Fields longer than this keep their first maxFieldLength characters; the rest is skipped
    // while reading, so a huge file without separators is never held whole in memory.
    static constexpr std::size_t maxFieldLength = 4096;

    explicit FieldReader(std::istream &in);

    // True when no byte is left (the end-of-file test of the sequential files).
    bool atEnd();

    // The next field, or nothing with error() set.
    std::optional<std::string> readField();

    const FileError &error() const { return m_error; }

private:
    std::istream &m_in;
    FileError m_error;
};

// Writes one field: a double quote, text, a double quote, CR LF.
void writeField(std::ostream &out, std::string_view text);

} // namespace swatchly
