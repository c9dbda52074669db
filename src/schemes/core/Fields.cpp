#include "schemes/core/Fields.h"

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

bool endsField(int ch)
{
    return ch == comma || ch == carriageReturn || ch == lineFeed;
}

// Appends to field while it is shorter than the limit; the rest of a huge field is read and
// dropped so that memory stays bounded whatever the file holds.
void keep(std::string &field, int ch)
{
    if (field.size() < FieldReader::maxFieldLength)
        field.push_back(static_cast<char>(ch));
}

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
{ }

int FieldReader::peek()
{
    if (m_position == m_filled) {
        if (m_drained)
            return endOfData;
        m_passed += m_filled;
        m_filled = m_source.read(m_buffer.data(), m_buffer.size());
        m_position = 0;
        if (m_filled == 0) {
            m_drained = true;
            return endOfData;
        }
    }
    return static_cast<unsigned char>(m_buffer[m_position]);
}

int FieldReader::next()
{
    if (peek() != endOfData)
        ++m_position;
    return peek();
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
    while (isBlank(ch))
        ch = next();

    if (ch == quote) {
        // A quote with no partner runs to the end of the file.
        for (ch = next(); ch != endOfData && ch != quote; ch = next())
            keep(field, ch);
        if (ch == quote)
            ch = next();
        // Whatever follows the closing quote on its line belongs to no field.
        while (ch != endOfData && !endsField(ch))
            ch = next();
    } else {
        while (ch != endOfData && !endsField(ch)) {
            keep(field, ch);
            ch = next();
        }
    }
    // The comma or line end that closes the field; CR LF counts as one line end.
    if (ch != endOfData && next() == lineFeed && ch == carriageReturn)
        next();
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
