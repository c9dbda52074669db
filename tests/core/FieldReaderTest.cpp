#include "support/TestRegistry.h"

#include "core/Fields.h"

#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

using namespace swatchly;

namespace {

QByteArray bytes(const std::string &text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

std::string text(const QByteArray &data)
{
    return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

// Hands out its text a few bytes at a time, as a file may arrive: every field then meets the
// end of the reader's buffer somewhere, a CR LF split across two reads among them.
class TrickleSource final : public ByteSource
{
public:
    TrickleSource(std::string text, std::size_t step)
        : m_text(std::move(text))
        , m_step(step)
    { }

    std::size_t read(char *buffer, std::size_t size) override
    {
        const std::size_t count = std::min({ size, m_step, m_text.size() - m_position });
        std::copy_n(m_text.data() + m_position, count, buffer);
        m_position += count;
        return count;
    }

private:
    std::string m_text;
    std::size_t m_step;
    std::size_t m_position = 0;
};

// Every field up to the end of the input, as the loaders read them: until atEnd(). With a step,
// the bytes arrive that many at a time.
QList<QByteArray> readAll(const std::string &input, std::size_t step = 0)
{
    TextSource whole(input);
    TrickleSource trickle(input, step);
    ByteSource &in = step == 0 ? static_cast<ByteSource &>(whole) : trickle;
    FieldReader reader(in);
    QList<QByteArray> fields;
    while (!reader.atEnd()) {
        const std::optional<std::string> field = reader.readField();
        if (!field) {
            fields << QByteArray("<failed>");
            break;
        }
        fields << bytes(*field);
    }
    return fields;
}

} // namespace

class FieldReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void readsFields_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QList<QByteArray>>("fields");

        using L = QList<QByteArray>;
        QTest::newRow("written form")
            << QByteArray("\"FF8000\"\r\n\"000000\"\r\n") << L { "FF8000", "000000" };
        QTest::newRow("no line end at the end")
            << QByteArray("\"FF8000\"\r\n\"000000\"") << L { "FF8000", "000000" };
        QTest::newRow("unquoted") << QByteArray("FF8000\r\n000000\r\n") << L { "FF8000", "000000" };
        QTest::newRow("lone LF") << QByteArray("a\nb\n") << L { "a", "b" };
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << L { "a", "b" };
        QTest::newRow("mixed line ends") << QByteArray("a\r\nb\nc\rd") << L { "a", "b", "c", "d" };
        QTest::newRow("LF CR is two line ends") << QByteArray("a\n\rb") << L { "a", "", "b" };
        QTest::newRow("CR CR LF is two line ends") << QByteArray("a\r\r\nb") << L { "a", "", "b" };
        QTest::newRow("empty lines") << QByteArray("a\r\n\r\n\nb\r\n") << L { "a", "", "", "b" };
        QTest::newRow("only a line end") << QByteArray("\r\n") << L { "" };
        QTest::newRow("two quotes") << QByteArray("\"\"\r\n\"x\"\r\n") << L { "", "x" };
        QTest::newRow("names entry")
            << QByteArray("\"orange\",\"&HFFA500\"\r\n") << L { "orange", "&HFFA500" };
        QTest::newRow("unquoted pair")
            << QByteArray("orange,&HFFA500\r\n") << L { "orange", "&HFFA500" };
        QTest::newRow("comma inside quotes") << QByteArray("\"a,b\",c\r\n") << L { "a,b", "c" };
        QTest::newRow("line end inside quotes")
            << QByteArray("\"a\r\nb\",c") << L { "a\r\nb", "c" };
        QTest::newRow("text after closing quote skipped")
            << QByteArray("\"ab\"cd,e\r\n\"f\"g\r\nh") << L { "ab", "e", "f", "h" };
        QTest::newRow("quote inside unquoted field")
            << QByteArray("ab\"cd\",e") << L { "ab\"cd\"", "e" };
        QTest::newRow("blanks before fields skipped")
            << QByteArray("  \"a\",\t b ,  \"c\"  \r\n") << L { "a", "b ", "c" };
        QTest::newRow("blanks inside quotes kept") << QByteArray("\"  a  \"") << L { "  a  " };
        QTest::newRow("empty fields between commas")
            << QByteArray(",,a,\r\n") << L { "", "", "a", "" };
        QTest::newRow("comma at the very end") << QByteArray("a,") << L { "a" };
        QTest::newRow("only blanks") << QByteArray("   ") << L { "" };
        QTest::newRow("blank line") << QByteArray("a\r\n  \r\nb") << L { "a", "", "b" };
        QTest::newRow("unbalanced quote runs to the end")
            << QByteArray("x\r\n\"ab,\r\ncd") << L { "x", "ab,\r\ncd" };
        QTest::newRow("text after a quoted line end skipped")
            << QByteArray("\"a\r\n\"b\r\n\"c") << L { "a\r\n", "c" };
        QTest::newRow("lone quote") << QByteArray("\"") << L { "" };
        QTest::newRow("NUL and binary bytes are characters")
            << QByteArray("a\0b\xff,\"\0\x01\"\r\n", 11)
            << L { QByteArray("a\0b\xff", 4), QByteArray("\0\x01", 2) };
        QTest::newRow("end-of-file character is a character")
            << QByteArray("a\x1a\r\n") << L { "a\x1a" };
    }

    void readsFields()
    {
        QFETCH(QByteArray, input);
        QFETCH(QList<QByteArray>, fields);
        QCOMPARE(readAll(text(input)), fields);
        for (std::size_t step : { 1, 2, 3 })
            QCOMPARE(readAll(text(input), step), fields);
    }

    void longFilesReadAcrossBufferEnds()
    {
        // Records of every length around the reader's buffer size, so that fields and line
        // ends straddle the ends of its reads.
        std::string file;
        std::vector<std::string> records;
        for (std::size_t length = 4090; length <= 4100; ++length) {
            records.emplace_back(length, static_cast<char>('a' + length % 26));
            file += fieldText(records.back());
            records.emplace_back("FF8000");
            file += fieldText(records.back());
        }
        TextSource in(file);
        FieldReader reader(in);
        for (const std::string &record : records) {
            const std::optional<std::string> field = reader.readField();
            QVERIFY(field);
            QCOMPARE(*field, record.substr(0, FieldReader::maxFieldLength));
        }
        QVERIFY(reader.atEnd());
        QCOMPARE(reader.position(), file.size());
    }

    void readingPastTheEndFails()
    {
        TextSource in("\"FF8000\"\r\n");
        FieldReader reader(in);
        QVERIFY(!reader.atEnd());
        QCOMPARE(reader.readField(), std::optional<std::string>("FF8000"));
        QVERIFY(reader.atEnd());
        QCOMPARE(reader.error(), FileError {});

        QCOMPARE(reader.readField(), std::nullopt);
        QCOMPARE(reader.error().code, 62);
        QCOMPARE(QString::fromStdString(reader.error().description),
                 QStringLiteral("Input past end of file"));
        // Asking again keeps failing; nothing is invented past the end.
        QCOMPARE(reader.readField(), std::nullopt);
        QCOMPARE(reader.error(), fileErrors::InputPastEndOfFile);
    }

    void emptyInputIsAtEnd()
    {
        TextSource in("");
        FieldReader reader(in);
        QVERIFY(reader.atEnd());
        QCOMPARE(reader.readField(), std::nullopt);
        QCOMPARE(reader.error(), fileErrors::InputPastEndOfFile);
    }

    void longFieldKeepsItsStartAndTheNextFieldIsRead_data()
    {
        QTest::addColumn<bool>("quoted");
        QTest::newRow("unquoted") << false;
        QTest::newRow("quoted") << true;
    }

    void longFieldKeepsItsStartAndTheNextFieldIsRead()
    {
        QFETCH(bool, quoted);
        std::string field(FieldReader::maxFieldLength + 1000, 'x');
        for (std::size_t i = 0; i < field.size(); i += 97)
            field[i] = char('a' + (i / 97) % 26);
        const std::string input = (quoted ? "\"" + field + "\"" : field) + ",\"next\"\r\n";

        TextSource in(input);
        FieldReader reader(in);
        const std::optional<std::string> first = reader.readField();
        QVERIFY(first);
        QCOMPARE(first->size(), FieldReader::maxFieldLength);
        QVERIFY(*first == field.substr(0, FieldReader::maxFieldLength));
        QCOMPARE(reader.readField(), std::optional<std::string>("next"));
        QVERIFY(reader.atEnd());
    }

    void hugeInputsAreReadToTheEndWithBoundedFields_data()
    {
        QTest::addColumn<char>("fill");
        QTest::addColumn<QByteArray>("lead");
        QTest::newRow("no separators") << 'A' << QByteArray();
        QTest::newRow("unclosed quote") << 'A' << QByteArray("\"");
        QTest::newRow("text after a quote") << 'A' << QByteArray("\"x\"");
        QTest::newRow("only line ends") << '\n' << QByteArray();
    }

    void hugeInputsAreReadToTheEndWithBoundedFields()
    {
        QFETCH(char, fill);
        QFETCH(QByteArray, lead);
        const std::size_t size = 4 * 1024 * 1024;
        TextSource in(text(lead) + std::string(size, fill) + "\r\n\"last\"");
        FieldReader reader(in);
        std::size_t fields = 0;
        std::optional<std::string> field;
        while (!reader.atEnd()) {
            field = reader.readField();
            QVERIFY(field);
            ++fields;
        }
        QVERIFY(field->size() <= FieldReader::maxFieldLength);
        if (fill == '\n') {
            QCOMPARE(fields, size + 2);
            QCOMPARE(*field, std::string("last"));
        } else {
            QVERIFY(fields <= 2);
        }
    }

    void fieldTextIsQuotedTextAndCrLf_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("record") << QByteArray("FF8000") << QByteArray("\"FF8000\"\r\n");
        QTest::newRow("empty") << QByteArray() << QByteArray("\"\"\r\n");
        QTest::newRow("blanks kept") << QByteArray(" a ") << QByteArray("\" a \"\r\n");
    }

    void fieldTextIsQuotedTextAndCrLf()
    {
        QFETCH(QByteArray, field);
        QFETCH(QByteArray, written);
        QCOMPARE(bytes(fieldText(text(field))), written);
    }

    void fourteenRecordsRoundTrip()
    {
        std::vector<std::string> records;
        for (int i = 0; i < 14; ++i) {
            static const char digits[] = "0123456789ABCDEF";
            std::string record(6, '0');
            for (int d = 0; d < 6; ++d)
                record[d] = digits[(i * 7 + d * 3) % 16];
            records.push_back(record);
        }
        std::string file;
        for (const std::string &record : records)
            file += fieldText(record);
        QCOMPARE(file.size(), std::size_t(140));

        TextSource in(file);
        FieldReader reader(in);
        for (const std::string &record : records)
            QCOMPARE(reader.readField(), std::optional<std::string>(record));
        QVERIFY(reader.atEnd());
    }
};

SWATCHLY_TEST(FieldReaderTest)
#include "FieldReaderTest.moc"
