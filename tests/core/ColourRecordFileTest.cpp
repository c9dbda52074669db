#include "support/TestRegistry.h"

#include "core/ColourRecordFile.h"

#include <QTest>

using namespace swatchly;

namespace {

// The fields of text held in memory.
class TextFields final : public FieldInput
{
public:
    explicit TextFields(const QByteArray &text)
        : m_source(text.toStdString())
        , m_reader(m_source)
    { }

    std::optional<std::string> readField() override { return m_reader.readField(); }
    FileError error() const override { return m_reader.error(); }

private:
    TextSource m_source;
    FieldReader m_reader;
};

// Keeps the fields written; the field numbered failAt (from 1) fails as a full disk.
class WrittenFields final : public FieldOutput
{
public:
    explicit WrittenFields(int failAt)
        : m_failAt(failAt)
    { }

    bool writeField(std::string_view text) override
    {
        if (++m_count == m_failAt)
            return false;
        fields << QString::fromStdString(std::string(text));
        return true;
    }
    FileError error() const override { return fileErrors::DiskFull; }

    QStringList fields;

private:
    int m_failAt;
    int m_count = 0;
};

QString described(std::optional<ColourValue> colour)
{
    return colour ? QStringLiteral("%1").arg(quint32(*colour), 8, 16, QLatin1Char('0'))
                  : QStringLiteral("none");
}

QStringList described(const std::vector<ColourValue> &colours)
{
    QStringList list;
    for (ColourValue c : colours)
        list << described(c);
    return list;
}

using Colours = QList<qint64>;

std::vector<ColourValue> colourValues(const Colours &colours)
{
    std::vector<ColourValue> values;
    for (qint64 c : colours)
        values.push_back(static_cast<ColourValue>(c));
    return values;
}

} // namespace

class ColourRecordFileTest : public QObject
{
    Q_OBJECT

private slots:
    void readingStopsAtTheFirstFailure_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("storageOrder");
        QTest::addColumn<QStringList>("colours");
        QTest::addColumn<int>("failure"); // 0: none

        QTest::newRow("all records") << QByteArray("\"FF8000\"\r\n\"000000\"\r\n") << 2 << false
                                     << QStringList { "000080ff", "00000000" } << 0;
        QTest::newRow("storage order")
            << QByteArray("\"0080FF\"\r\n") << 1 << true << QStringList { "000080ff" } << 0;
        QTest::newRow("an empty record is an empty box")
            << QByteArray("\"\"\r\n") << 1 << false << QStringList { "8000000f" } << 0;
        QTest::newRow("more records than asked for")
            << QByteArray("\"010203\"\r\n\"040506\"\r\n") << 1 << false
            << QStringList { "00030201" } << 0;
        QTest::newRow("a record missing")
            << QByteArray("\"FF8000\"\r\n") << 3 << false << QStringList { "000080ff" } << 62;
        QTest::newRow("a record that does not convert")
            << QByteArray("\"FF8000\"\r\n\"zz\"\r\n\"000000\"\r\n") << 3 << false
            << QStringList { "000080ff" } << 13;
        QTest::newRow("an empty file") << QByteArray() << 14 << true << QStringList {} << 62;
    }

    void readingStopsAtTheFirstFailure()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, count);
        QFETCH(bool, storageOrder);
        QFETCH(QStringList, colours);
        QFETCH(int, failure);
        TextFields input(text);
        const auto read = readColourRecords(input, std::size_t(count),
                                            storageOrder ? DigitOrder::BBGGRR : DigitOrder::RRGGBB);
        QCOMPARE(described(read.colours), colours);
        QCOMPARE(read.failure ? read.failure->code : 0, failure);
    }

    void readingEachRecordSkipsThoseThatDoNotConvert_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("colours");

        QTest::newRow("bad record in the middle")
            << QByteArray("\"FF8000\"\r\n\"zz\"\r\n\"000000\"\r\n")
            << QStringList { "000080ff", "none", "00000000" };
        QTest::newRow("short file") << QByteArray("\"\"\r\n") << QStringList { "8000000f" };
        QTest::newRow("longer file") << QByteArray("\"1\"\r\n\"2\"\r\n\"3\"\r\n\"4\"\r\n")
                                     << QStringList { "00000001", "00000002", "00000003" };
    }

    void readingEachRecordSkipsThoseThatDoNotConvert()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, colours);
        TextFields input(text);
        QStringList read;
        for (const auto &colour : readEachColourRecord(input, 3, DigitOrder::RRGGBB).colours)
            read << described(colour);
        QCOMPARE(read, colours);
    }

    void writing_data()
    {
        QTest::addColumn<Colours>("colours");
        QTest::addColumn<bool>("storageOrder");
        QTest::addColumn<int>("failAt");
        QTest::addColumn<QStringList>("fields");

        const Colours colours { 0x0080FF, ButtonFace, 0x123456 };
        QTest::newRow("html order")
            << colours << false << 0 << QStringList { "FF8000", "0F0000", "563412" };
        QTest::newRow("storage order")
            << colours << true << 0 << QStringList { "0080FF", "00000F", "123456" };
        QTest::newRow("failing half-way") << colours << false << 2 << QStringList { "FF8000" };
    }

    void writing()
    {
        QFETCH(Colours, colours);
        QFETCH(bool, storageOrder);
        QFETCH(int, failAt);
        QFETCH(QStringList, fields);
        WrittenFields output(failAt);
        const auto values = colourValues(colours);
        const auto failure = writeColourRecords(
            output, values, storageOrder ? DigitOrder::BBGGRR : DigitOrder::RRGGBB);
        QCOMPARE(output.fields, fields);
        QCOMPARE(failure.has_value(), failAt != 0);
        // Storage order is asked for record by record; it does not outlast the writing.
        QCOMPARE(modChromel::ColorToHex(0x0080FF), std::string("FF8000"));
    }

    void aSaveKeepsWhatDidNotChange_data()
    {
        QTest::addColumn<QList<bool>>("changed");
        QTest::addColumn<QStringList>("onDisk"); // "none": no readable record
        QTest::addColumn<Colours>("expected");

        QTest::newRow("changed boxes as they stand")
            << QList<bool> { true, true, true } << QStringList { "5", "6", "7" }
            << Colours { 1, 2, 3 };
        QTest::newRow("other boxes as the file holds them")
            << QList<bool> { false, true, false } << QStringList { "5", "6", "7" }
            << Colours { 5, 2, 7 };
        QTest::newRow("no readable record: as it stands")
            << QList<bool> { false, false, false } << QStringList { "5", "none", "7" }
            << Colours { 5, 2, 7 };
        QTest::newRow("a short file")
            << QList<bool> { false, false, false } << QStringList { "5" } << Colours { 5, 2, 3 };
    }

    void aSaveKeepsWhatDidNotChange()
    {
        QFETCH(QList<bool>, changed);
        QFETCH(QStringList, onDisk);
        QFETCH(Colours, expected);
        const std::vector<ColourValue> standing { 1, 2, 3 };
        std::vector<std::optional<ColourValue>> disk;
        for (const QString &record : onDisk)
            disk.push_back(record == QLatin1String("none") ? std::nullopt
                                                           : std::optional(record.toInt()));
        const auto kept = keepUnchangedFromDisk(
            standing, std::span<const bool>(changed.constData(), std::size_t(changed.size())),
            disk);
        QCOMPARE(described(kept), described(colourValues(expected)));
    }
};

SWATCHLY_TEST(ColourRecordFileTest)
#include "ColourRecordFileTest.moc"
