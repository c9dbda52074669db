#include "core/Fields.h"

#include <algorithm>
#include <cstring>

namespace swatchly {

namespace {

constexpr int quote = '"';
constexpr int comma = ',';
constexpr int carriageReturn = '\r';
constexpr int lineFeed = '\n';

bool isBlank(int ch)
{
    return ch == ' ' || ch == '\t';
}

// A closure rather than a function, so that the scanning loop gets it inlined.
constexpr auto endsField = [](int ch) {
    return ch == comma || ch == carriageReturn || ch == lineFeed;
};

} // namespace

std::size_t TextSource::read(char *buffer, std::size_t size)
{
    const std::size_t count = std::min(size, m_text.size() - m_position);
    std::memcpy(buffer, m_text.data() + m_position, count);
    m_position += count;
    return count;
}

FieldReader::FieldReader(ByteSource &source)
    : m_source(source)
    , m_buffer(std::make_unique_for_overwrite<char[]>(bufferSize))
{ }

bool FieldReader::refill()
{
    if (m_drained)
        return false;
    m_passed += m_filled;
    m_position = 0;
    m_filled = m_source.read(m_buffer.get(), bufferSize);
    m_drained = m_filled == 0;
    return !m_drained;
}

template<typename IsStop> int FieldReader::scanUntil(std::string *field, IsStop isStop)
{
    // A whole buffer at a time: a field's bytes are found and kept in one piece.
    while (m_position < m_filled || refill()) {
        const char *begin = m_buffer.get() + m_position;
        const char *end = m_buffer.get() + m_filled;
        const char *stop = begin;
        while (stop != end && !isStop(static_cast<unsigned char>(*stop)))
            ++stop;
        const auto count = static_cast<std::size_t>(stop - begin);
        if (field && field->size() < maxFieldLength)
            field->append(begin, std::min(count, maxFieldLength - field->size()));
        m_position += count;
        if (stop != end)
            return static_cast<unsigned char>(*stop);
    }
    return endOfData;
}

bool FieldReader::atEnd()
{
    return peek() == endOfData;
}

std::optional<std::string> FieldReader::readField()
{
    if (m_error.code != 0)
        m_error = {};
    if (atEnd()) {
        m_error = fileErrors::InputPastEndOfFile;
        return std::nullopt;
    }
    std::string field;

    int ch = peek();
    while (isBlank(ch)) {
        ++m_position;
        ch = peek();
    }

    if (ch == quote) {
        ++m_position;
        // A quote with no partner runs to the end of the file.
        ch = scanUntil(&field, [](int c) { return c == quote; });
        if (ch == quote)
            ++m_position;
        // Whatever follows the closing quote on its line belongs to no field.
        ch = scanUntil(nullptr, endsField);
    } else {
        ch = scanUntil(&field, endsField);
    }
    // The comma or line end that closes the field; CR LF counts as one line end.
    if (ch != endOfData) {
        ++m_position;
        if (ch == carriageReturn && peek() == lineFeed)
            ++m_position;
    }
    return field;
}

std::string fieldText(std::string_view text)
{
    std::string field;
    field.reserve(text.size() + 4);
    field += '"';
    field += text;
    field += "\"\r\n";
    return field;
}

} // namespace swatchly
