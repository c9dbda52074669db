// Fields of the data files.
//
// Writing: each field is a double quote, its text, a double quote and CR LF.
// Reading: blanks before a field are skipped; a field that starts with a double quote runs to
// the next double quote (commas inside belong to it) and whatever follows up to the next comma
// or line end is skipped; any other field runs to the next comma or line end. CR LF, a lone CR
// and a lone LF all end a line; reading a field consumes the comma or line end that closes it.
// Asking for a field when no text is left is the failure "Input past end of file".
#pragma once

#include "core/FileError.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace swatchly {

// Where a FieldReader takes its bytes from: an open file, or text held in memory.
class ByteSource
{
public:
    virtual ~ByteSource() = default;
    // Copies up to size bytes into buffer and returns how many; 0 when no byte is left (a
    // source that cannot be read further ends there too).
    virtual std::size_t read(char *buffer, std::size_t size) = 0;
};

// Bytes held in memory, for text that is already at hand.
class TextSource final : public ByteSource
{
public:
    explicit TextSource(std::string text)
        : m_text(std::move(text))
    { }

    std::size_t read(char *buffer, std::size_t size) override;

private:
    std::string m_text;
    std::size_t m_position = 0;
};

class FieldReader
{
public:
    // Fields longer than this keep their first maxFieldLength characters; the rest is skipped
    // while reading, so a huge file without separators is never held whole in memory.
    static constexpr std::size_t maxFieldLength = 4096;

    explicit FieldReader(ByteSource &source);

    // True when no byte is left (the end-of-file test of the sequential files).
    bool atEnd();

    // The next field, or nothing with error() set.
    std::optional<std::string> readField();

    const FileError &error() const { return m_error; }

    // How many bytes reading has moved past so far.
    std::size_t position() const { return m_passed + m_position; }

private:
    static constexpr int endOfData = -1;
    static constexpr std::size_t bufferSize = 64 * 1024;

    // The byte at the reading position, or endOfData.
    int peek()
    {
        return m_position < m_filled || refill() ? static_cast<unsigned char>(m_buffer[m_position])
                                                 : endOfData;
    }
    // Reads the next bytes into the buffer; false when none is left.
    bool refill();
    // Moves past bytes until one for which isStop() holds, which it returns (still unread), or
    // to the end; the bytes passed are kept in field when there is one.
    template<typename IsStop> int scanUntil(std::string *field, IsStop isStop);

    ByteSource &m_source;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_position = 0;
    std::size_t m_filled = 0;
    std::size_t m_passed = 0; // bytes of the buffers read before this one
    bool m_drained = false;
    FileError m_error;
};

// Fields as the colour-record code reads them: from an open data file, or from text held in
// memory.
class FieldInput
{
public:
    virtual ~FieldInput() = default;
    // The next field, or nothing with error() set.
    virtual std::optional<std::string> readField() = 0;
    virtual FileError error() const = 0;
};

// Fields as the colour-record code writes them, each with its line end.
class FieldOutput
{
public:
    virtual ~FieldOutput() = default;
    // False, with error() set, when the field could not be written.
    virtual bool writeField(std::string_view text) = 0;
    virtual FileError error() const = 0;
};

// One field as it is written: a double quote, text, a double quote, CR LF.
std::string fieldText(std::string_view text);

} // namespace swatchly
