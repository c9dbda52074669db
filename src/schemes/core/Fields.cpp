#include "schemes/core/Fields.h"

#include <streambuf>

namespace swatchly {

namespace {

using Traits = std::streambuf::traits_type;

constexpr Traits::int_type endOfFile = Traits::eof();
constexpr Traits::int_type quote = '"';
constexpr Traits::int_type comma = ',';
constexpr Traits::int_type carriageReturn = '\r';
constexpr Traits::int_type lineFeed = '\n';

bool isBlank(Traits::int_type ch)
{
    return ch == ' ' || ch == '\t';
}

// Consumes the line end or comma that the buffer stands on; CR LF counts as one line end.
void consumeSeparator(std::streambuf &buf, Traits::int_type ch)
{
    buf.sbumpc();
    if (ch == carriageReturn && buf.sgetc() == lineFeed)
        buf.sbumpc();
}

// Appends to field while it is shorter than the limit; the rest of a huge field is read and
// dropped so that memory stays bounded whatever the file holds.
void keep(std::string &field, char ch)
{
    if (field.size() < FieldReader::maxFieldLength)
        field.push_back(ch);
}

} // namespace

FieldReader::FieldReader(std::istream &in)
    : m_in(in)
{ }

bool FieldReader::atEnd()
{
    std::streambuf *buf = m_in.rdbuf();
    return buf == nullptr || buf->sgetc() == endOfFile;
}

std::optional<std::string> FieldReader::readField()
{
    if (m_error.code != 0)
        m_error = {};
    if (atEnd()) {
        m_error = fileErrors::InputPastEndOfFile;
        return std::nullopt;
    }
    // Reading goes straight through the stream buffer: its inline get area makes each byte a
    // compare and an increment, and the stream's own formatting layer is not wanted here.
    std::streambuf &buf = *m_in.rdbuf();
    std::string field;

    Traits::int_type ch = buf.sgetc();
    while (isBlank(ch))
        ch = buf.snextc();

    if (ch == quote) {
        // A quote with no partner runs to the end of the file.
        for (ch = buf.snextc(); ch != endOfFile && ch != quote; ch = buf.snextc())
            keep(field, Traits::to_char_type(ch));
        if (ch == quote)
            ch = buf.snextc();
        // Whatever follows the closing quote on its line belongs to no field.
        while (ch != endOfFile && ch != comma && ch != carriageReturn && ch != lineFeed)
            ch = buf.snextc();
    } else {
        while (ch != endOfFile && ch != comma && ch != carriageReturn && ch != lineFeed) {
            keep(field, Traits::to_char_type(ch));
            ch = buf.snextc();
        }
    }
    if (ch != endOfFile)
        consumeSeparator(buf, ch);
    return field;
}

void writeField(std::ostream &out, std::string_view text)
{
    out.put('"');
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.write("\"\r\n", 3);
}

} // namespace swatchly
