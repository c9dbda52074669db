#include "support/TestRegistry.h"

#include "core/ColourNames.h"
#include "core/ColourRecords.h"
#include "core/Fields.h"

#include <QTest>

#include <fstream>
#include <map>
#include <sstream>

using namespace swatchly;

namespace {

std::string dataFile(const char *name)
{
    return std::string(SWATCHLY_SOURCE_DIR) + "/data/" + name;
}

std::string fileBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The colours of a colour file read as the start-up loading does: a fixed number of records,
// each of which must convert.
void checkColourFile(const char *name, int records)
{
    const std::string bytes = fileBytes(dataFile(name));
    QCOMPARE(bytes.size(), std::size_t(records) * 10);
    TextSource in(bytes);
    FieldReader reader(in);
    for (int i = 0; i < records; ++i) {
        const std::optional<std::string> field = reader.readField();
        QVERIFY2(field, name);
        QCOMPARE(field->size(), std::size_t(6));
        const std::optional<ColourValue> colour = readColourRecord(*field, DigitOrder::RRGGBB);
        QVERIFY2(colour, field->c_str());
        // Written back, each record is exactly what the file holds.
        QCOMPARE(colourRecordText(*colour, DigitOrder::RRGGBB), *field);
    }
    QVERIFY(reader.atEnd());
}

} // namespace

class ColourRecordsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { modChromel::ReverseHexOnce = false; }

    void readsRecords_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("storageOrder");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("colour");

        QTest::newRow("html orange") << "FF8000" << false << true << 0x0080FF;
        QTest::newRow("html lower case") << "ff8000" << false << true << 0x0080FF;
        QTest::newRow("html empty is an empty box") << "" << false << true << int(ButtonFace);
        QTest::newRow("html short") << "FF" << false << true << 255;
        QTest::newRow("html extra characters ignored") << "FF8000ZZ99" << false << true << 0x0080FF;
        QTest::newRow("html not hex") << "FF80G0" << false << false << 0;
        QTest::newRow("html blank inside") << "FF 000" << false << false << 0;
        QTest::newRow("html written button face") << "0F0000" << false << true << 15;

        QTest::newRow("storage orange") << "0080FF" << true << true << 0x0080FF;
        QTest::newRow("storage lower case") << "0080ff" << true << true << 0x0080FF;
        QTest::newRow("storage empty is an empty box") << "" << true << true << int(ButtonFace);
        QTest::newRow("storage short") << "FF" << true << true << 255;
        QTest::newRow("storage not hex") << "0080FG" << true << false << 0;
        QTest::newRow("storage too long") << "FF0080FF00" << true << false << 0;
        QTest::newRow("storage leading zeros do not count")
            << "000080FF" << true << true << 0x0080FF;
        QTest::newRow("storage trailing text") << "0080FF x" << true << false << 0;
        QTest::newRow("storage written button face") << "00000F" << true << true << 15;
    }

    void readsRecords()
    {
        QFETCH(QString, field);
        QFETCH(bool, storageOrder);
        QFETCH(bool, valid);
        QFETCH(int, colour);
        const std::optional<ColourValue> read = readColourRecord(
            field.toStdString(), storageOrder ? DigitOrder::BBGGRR : DigitOrder::RRGGBB);
        QCOMPARE(read.has_value(), valid);
        if (valid)
            QCOMPARE(*read, colour);
    }

    void writesRecords_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("storage");
        QTest::newRow("orange") << 0x0080FF << "FF8000"
                                << "0080FF";
        QTest::newRow("black") << 0 << "000000"
                               << "000000";
        QTest::newRow("white") << 0xFFFFFF << "FFFFFF"
                               << "FFFFFF";
        QTest::newRow("button face") << int(ButtonFace) << "0F0000"
                                     << "00000F";
    }

    void writesRecords()
    {
        QFETCH(int, colour);
        QFETCH(QString, html);
        QFETCH(QString, storage);
        QCOMPARE(QString::fromStdString(colourRecordText(colour, DigitOrder::RRGGBB)), html);
        QCOMPARE(QString::fromStdString(colourRecordText(colour, DigitOrder::BBGGRR)), storage);
        // The reversal is spent on the one record it was asked for.
        QVERIFY(!modChromel::ReverseHexOnce);
        QCOMPARE(QString::fromStdString(colourRecordText(colour, DigitOrder::RRGGBB)), html);
    }

    void eachOrderReadsBackItsOwnRecords()
    {
        for (const DigitOrder order : { DigitOrder::RRGGBB, DigitOrder::BBGGRR }) {
            for (const ColourValue colour : { 0, 0x0080FF, 0x0A0B0C, 0xFFFFFF, 0x123456 }) {
                const std::optional<ColourValue> back =
                    readColourRecord(colourRecordText(colour, order), order);
                QCOMPARE(back, std::optional<ColourValue>(colour));
            }
        }
    }

    void nameValuesGiveColours_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("colour");
        QTest::newRow("shipped form") << "&HFF8000" << true << 0x0080FF;
        QTest::newRow("any first two characters") << "xyFF8000" << true << 0x0080FF;
        QTest::newRow("lower case") << "&hff8000" << true << 0x0080FF;
        QTest::newRow("black") << "&H000000" << true << 0;
        QTest::newRow("extra characters ignored") << "&HFF8000 orange" << true << 0x0080FF;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("too short") << "&HFF80" << false << 0;
        QTest::newRow("seven characters") << "&HFF800" << false << 0;
        QTest::newRow("not hex") << "&HFF80G0" << false << 0;
        QTest::newRow("blank inside") << "&H FF800" << false << 0;
    }

    void nameValuesGiveColours()
    {
        QFETCH(QString, value);
        QFETCH(bool, valid);
        QFETCH(int, colour);
        const std::optional<ColourValue> read = colourOfNameValue(value.toStdString());
        QCOMPARE(read.has_value(), valid);
        if (valid)
            QCOMPARE(*read, colour);
    }

    void shippedStartUpColoursHold21Records() { checkColourFile("StartUpColors", 21); }

    void shippedUserColoursHold14Records() { checkColourFile("UserDefColors.col", 14); }

    void shippedNamesListHoldsTheCssColours()
    {
        const std::string bytes = fileBytes(dataFile("ListBoxColorNames.txt"));
        QVERIFY(!bytes.empty());
        TextSource in(bytes);
        FieldReader reader(in);
        std::map<std::string, ColourValue> colours;
        std::string previous;
        int entries = 0;
        while (!reader.atEnd() && entries < 501) {
            const std::optional<std::string> name = reader.readField();
            const std::optional<std::string> value = reader.readField();
            QVERIFY(name && value);
            QVERIFY2(!name->empty() && *name > previous, name->c_str());
            QCOMPARE(value->size(), std::size_t(8));
            QVERIFY2(value->starts_with("&H"), value->c_str());
            const std::optional<ColourValue> colour = colourOfNameValue(*value);
            QVERIFY2(colour, value->c_str());
            colours[*name] = *colour;
            previous = *name;
            ++entries;
        }
        QVERIFY(reader.atEnd());
        QCOMPARE(entries, 148);

        const std::pair<const char *, ColourValue> known[] = {
            { "orange", RGB(0xFF, 0xA5, 0x00) },    { "rebeccapurple", RGB(0x66, 0x33, 0x99) },
            { "aliceblue", RGB(0xF0, 0xF8, 0xFF) }, { "yellowgreen", RGB(0x9A, 0xCD, 0x32) },
            { "aqua", RGB(0, 0xFF, 0xFF) },         { "cyan", RGB(0, 0xFF, 0xFF) },
            { "fuchsia", RGB(0xFF, 0, 0xFF) },      { "magenta", RGB(0xFF, 0, 0xFF) },
            { "grey", RGB(0x80, 0x80, 0x80) },      { "gray", RGB(0x80, 0x80, 0x80) },
            { "green", RGB(0, 0x80, 0) },           { "lime", RGB(0, 0xFF, 0) },
        };
        for (const auto &[name, colour] : known) {
            QVERIFY2(colours.count(name) == 1, name);
            QCOMPARE(colours[name], colour);
        }
    }
};

SWATCHLY_TEST(ColourRecordsTest)
#include "ColourRecordsTest.moc"
