#include "support/TestRegistry.h"

#include "core/Colour.h"

#include <QTest>

using namespace swatchly;

namespace {

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

std::string s(const QString &text)
{
    return text.toStdString();
}

} // namespace

class ColourNotationsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { modChromel::ReverseHexOnce = false; }
    void cleanup() { modChromel::ReverseHexOnce = false; }

    void channelsMakeTheColourValue()
    {
        QCOMPARE(RGB(255, 0, 0), 255);
        QCOMPARE(RGB(0, 255, 0), 65280);
        QCOMPARE(RGB(0, 0, 255), 16711680);
        QCOMPARE(RGB(255, 255, 255), 16777215);
        const ColourValue orange = RGB(255, 128, 0);
        QCOMPARE(redOf(orange), 255);
        QCOMPARE(greenOf(orange), 128);
        QCOMPARE(blueOf(orange), 0);
        // The high byte of the button-face value is not a channel.
        QCOMPARE(redOf(ButtonFace), 0x0F);
        QCOMPARE(greenOf(ButtonFace), 0);
        QCOMPARE(blueOf(ButtonFace), 0);
    }

    void colorToHexWritesBothOrders_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("storage");
        QTest::newRow("black") << 0 << "000000"
                               << "000000";
        QTest::newRow("white") << 16777215 << "FFFFFF"
                               << "FFFFFF";
        QTest::newRow("single digits padded") << 0x0A0B0C << "0C0B0A"
                                              << "0A0B0C";
        QTest::newRow("red") << 255 << "FF0000"
                             << "0000FF";
        QTest::newRow("orange") << 0x0080FF << "FF8000"
                                << "0080FF";
        QTest::newRow("button face ignores the high byte") << int(ButtonFace) << "0F0000"
                                                           << "00000F";
    }

    void colorToHexWritesBothOrders()
    {
        QFETCH(int, colour);
        QFETCH(QString, html);
        QFETCH(QString, storage);
        QCOMPARE(q(modChromel::ColorToHex(colour)), html);
        modChromel::ReverseHexOnce = true;
        QCOMPARE(q(modChromel::ColorToHex(colour)), storage);
    }

    void reverseHexOnceLastsForOneCall()
    {
        modChromel::ReverseHexOnce = true;
        QCOMPARE(q(modChromel::ColorToHex(255)), QStringLiteral("0000FF"));
        QVERIFY(!modChromel::ReverseHexOnce);
        QCOMPARE(q(modChromel::ColorToHex(255)), QStringLiteral("FF0000"));
    }

    void decimalTextIsSigned_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QString>("text");
        QTest::newRow("black") << 0 << "0";
        QTest::newRow("orange") << 33023 << "33023";
        QTest::newRow("white") << 16777215 << "16777215";
        QTest::newRow("button face") << int(ButtonFace) << "-2147483633";
    }

    void decimalTextIsSigned()
    {
        QFETCH(int, colour);
        QFETCH(QString, text);
        QCOMPARE(q(decimalText(colour)), text);
    }

    void ampHTextParses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("colour");
        QTest::newRow("orange") << "&H0080FF" << true << 33023;
        QTest::newRow("yellow stays positive") << "&H00FFFF" << true << 65535;
        QTest::newRow("white") << "&HFFFFFF" << true << 16777215;
        QTest::newRow("lower case digits") << "&H0080ff" << true << 33023;
        QTest::newRow("lower case h") << "&h0080FF" << true << 33023;
        QTest::newRow("two digits") << "&HFF" << true << 255;
        QTest::newRow("one digit") << "&H0" << true << 0;
        QTest::newRow("button face") << "&H8000000F" << true << int(ButtonFace);
        QTest::newRow("leading zeros do not count as width") << "&H0000000000FF" << true << 255;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("prefix only") << "&H" << false << 0;
        QTest::newRow("no prefix") << "FF" << false << 0;
        QTest::newRow("not a hex digit") << "&HG1" << false << 0;
        QTest::newRow("blank inside") << "&H00 0FF" << false << 0;
        QTest::newRow("sign") << "&H-1" << false << 0;
        QTest::newRow("wider than 32 bits") << "&H123456789" << false << 0;
    }

    void ampHTextParses()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, colour);
        const std::optional<ColourValue> parsed = parseAmpH(s(text));
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, colour);
    }

    void notationsBecomeAmpHText_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ampH");
        QTest::newRow("html") << "html"
                              << "FF8000"
                              << "&H0080FF";
        QTest::newRow("html short") << "html"
                                    << "FF"
                                    << "&HFF";
        QTest::newRow("html five characters") << "html"
                                              << "FF800"
                                              << "&H080FF";
        QTest::newRow("html longer than six") << "html"
                                              << "FF8000AB"
                                              << "&H0080FF";
        QTest::newRow("html empty") << "html"
                                    << ""
                                    << "&H";
        QTest::newRow("storage") << "storage"
                                 << "0080FF"
                                 << "&H0080FF";
        QTest::newRow("name value") << "name"
                                    << "&HFF8000"
                                    << "&H0080FF";
        QTest::newRow("name value, any first two") << "name"
                                                   << "xyFF8000"
                                                   << "&H0080FF";
        QTest::newRow("name value short") << "name"
                                          << "&HFF"
                                          << "&HFF";
    }

    void notationsBecomeAmpHText()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QString, ampH);
        const std::string t = s(text);
        const std::string result = kind == "html" ? htmlToAmpH(t)
            : kind == "storage"                   ? storageToAmpH(t)
                                                  : nameValueToAmpH(t);
        QCOMPARE(q(result), ampH);
    }

    void htmlAndStorageOrderMeet()
    {
        QCOMPARE(parseHtmlOrder("FF8000"), std::optional<ColourValue>(0x0080FF));
        QCOMPARE(parseAmpH(storageToAmpH("0080FF")), std::optional<ColourValue>(0x0080FF));
        QCOMPARE(parseHtmlOrder("ZZ8000"), std::nullopt);
    }

    void channelPairs_data()
    {
        QTest::addColumn<QString>("pair");
        QTest::addColumn<int>("channel");
        QTest::newRow("zero") << "00" << 0;
        QTest::newRow("ten") << "0A" << 10;
        QTest::newRow("half") << "80" << 128;
        QTest::newRow("full") << "FF" << 255;
    }

    void channelPairs()
    {
        QFETCH(QString, pair);
        QFETCH(int, channel);
        QCOMPARE(q(channelPair(channel)), pair);
        QCOMPARE(hexPairToChannel(s(pair)), std::optional<int>(channel));
    }

    void hexPairsOnlyTakeUpperCaseDigits_data()
    {
        QTest::addColumn<QString>("pair");
        QTest::newRow("lower case") << "ff";
        QTest::newRow("mixed case") << "Ff";
        QTest::newRow("not hex") << "G0";
        QTest::newRow("blank") << " F";
        QTest::newRow("one digit") << "F";
        QTest::newRow("three digits") << "FFF";
        QTest::newRow("empty") << "";
    }

    void hexPairsOnlyTakeUpperCaseDigits()
    {
        QFETCH(QString, pair);
        QCOMPARE(hexPairToChannel(s(pair)), std::nullopt);
    }

    void clipboardTexts()
    {
        QCOMPARE(q(quotedHtml("FF8000")), QStringLiteral("\"#FF8000\""));
        // The hex display holds more than the six digits; only they are quoted.
        QCOMPARE(q(quotedHtml("FF8000\r\nHex Value")), QStringLiteral("\"#FF8000\""));
        QCOMPARE(q(quotedHtml("FF")), QStringLiteral("\"#FF\""));
        QCOMPARE(q(quotedHtml("")), QStringLiteral("\"#\""));
        QCOMPARE(q(decimalTriple(255, 128, 0)), QStringLiteral("255,128,0"));
        QCOMPARE(q(decimalTriple(0, 0, 0)), QStringLiteral("0,0,0"));
    }

    // The hex display is a text box the user may type into; the six characters quoted are the
    // first six the box shows.
    void clipboardTextsCountCharactersAsTheDisplayDoes_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("quoted");

        const QString accents = QStringLiteral("\u00e9\u00e8\u00ea\u00eb\u00e0\u00e2\u00e7");
        QTest::newRow("two-byte characters") << accents << accents.left(6);
        QTest::newRow("three-byte characters")
            << QStringLiteral("\u65e5\u672c\u8a9e\u306e\u6587\u5b57\u5217")
            << QStringLiteral("\u65e5\u672c\u8a9e\u306e\u6587\u5b57");
        QTest::newRow("beyond U+FFFF counts twice") << QStringLiteral("a\U0001F600b\U0001F600c")
                                                    << QStringLiteral("a\U0001F600b\U0001F600");
        QTest::newRow("no half character at the end")
            << QStringLiteral("ab\U0001F600c\U0001F600d") << QStringLiteral("ab\U0001F600c");
        QTest::newRow("mixed") << QStringLiteral("F\u00e98\u65e50\r\nHex Value")
                               << QStringLiteral("F\u00e98\u65e50\r");
    }

    void clipboardTextsCountCharactersAsTheDisplayDoes()
    {
        QFETCH(QString, display);
        QFETCH(QString, quoted);
        QCOMPARE(QString::fromStdString(quotedHtml(display.toStdString())),
                 QStringLiteral("\"#") + quoted + QLatin1Char('"'));
    }

    void decimalTriplesOfTypedTexts()
    {
        QCOMPARE(q(decimalTriple("12.5", " 7", "255")), QStringLiteral("12.5, 7,255"));
        QCOMPARE(q(decimalTriple("", "", "")), QStringLiteral(",,"));
        QCOMPARE(q(decimalTriple(std::to_string(255), "128", "0")), q(decimalTriple(255, 128, 0)));
    }
};

SWATCHLY_TEST(ColourNotationsTest)
#include "ColourNotationsTest.moc"
