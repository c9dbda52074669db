// Typing a colour channel by channel: the key filter of the six boxes, the corrections of the
// two OK buttons, the colour they make current and what they put on the clipboard.
#include "chart/frmTintora.h"
#include "platform/controls/TextBox.h"
#include "platform/services/Clipboard.h"
#include "platform/services/MessageBoxes.h"
#include "support/FakePlatform.h"
#include "support/TestRegistry.h"
#include "support/WindowContents.h"

#include <QApplication>
#include <QTest>

using namespace swatchly;
using swatchly::test::channelBoxes;
using swatchly::test::FakePlatform;
using swatchly::test::sliders;

namespace {

const QString Sentinel = QStringLiteral("held before OK");

// Puts text into a box the way pasting does: past the key filter, within the length limit.
void paste(platform::TextBox *box, const QString &text)
{
    box->setText(text);
}

// What the window shows of the current colour: the six boxes, the three sliders, and the hex
// and decimal values.
QStringList colourShown(const frmTintora &window)
{
    QStringList texts = channelBoxes(window);
    for (const int value : sliders(window))
        texts << QString::number(value);
    return texts << window.txtHexValue->text() << window.txtDecValue->text();
}

// The same for a given colour.
QStringList showing(ColourValue colour)
{
    const QString hex = QString::fromStdString(modChromel::ColorToHex(colour));
    const QStringList decimal = { QString::number(redOf(colour)), QString::number(greenOf(colour)),
                                  QString::number(blueOf(colour)) };
    return decimal + QStringList { hex.mid(0, 2), hex.mid(2, 2), hex.mid(4, 2) } + decimal +
        QStringList { hex + QStringLiteral("\r\nHex Value"),
                      QString::number(colour) + QStringLiteral("\r\nDecimal Value") };
}

} // namespace

class TypedValuesTest : public QObject
{
    Q_OBJECT

private slots:
    // Typed characters pass the key filter and the length limit; pasted text only the limit.
    void textIntoAChannelBoxIsFiltered_data()
    {
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");

        QTest::newRow("digits into decimal") << false << 0 << "128"
                                             << "128";
        QTest::newRow("digits into hexadecimal") << false << 4 << "09"
                                                 << "09";
        QTest::newRow("point into decimal") << false << 1 << "2.5"
                                            << "2.5";
        QTest::newRow("point into hexadecimal") << false << 5 << "F."
                                                << "F.";
        QTest::newRow("upper-case hex digits into hexadecimal") << false << 3 << "AF"
                                                                << "AF";
        QTest::newRow("upper-case B to E into hexadecimal") << false << 4 << "BCDE"
                                                            << "BC";
        QTest::newRow("upper-case A into decimal") << false << 0 << "A1"
                                                   << "1";
        QTest::newRow("lower-case a into hexadecimal") << false << 3 << "a"
                                                       << "";
        QTest::newRow("lower-case f between digits") << false << 5 << "1f2"
                                                     << "12";
        QTest::newRow("G into hexadecimal") << false << 3 << "G1"
                                            << "1";
        QTest::newRow("minus and plus") << false << 0 << "-7+"
                                        << "7";
        QTest::newRow("blanks and letters") << false << 2 << " x9 "
                                            << "9";
        QTest::newRow("decimal box takes three characters") << false << 2 << "2555"
                                                            << "255";
        QTest::newRow("hexadecimal box takes two") << false << 5 << "FFF"
                                                   << "FF";
        QTest::newRow("pasted into decimal, cut to three") << true << 0 << "12345"
                                                           << "123";
        QTest::newRow("pasted into hexadecimal, cut to two") << true << 3 << "ABCDEF"
                                                             << "AB";
        QTest::newRow("lower case gets in by pasting") << true << 4 << "ff"
                                                       << "ff";
        QTest::newRow("letters get in by pasting") << true << 1 << "x-7"
                                                   << "x-7";
    }

    void textIntoAChannelBoxIsFiltered()
    {
        QFETCH(bool, pasted);
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(QString, shown);

        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        auto *box = window.txtColValue[static_cast<std::size_t>(index)];
        if (pasted) {
            paste(box, text);
        } else {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            box->setFocus();
            box->clear();
            QTest::keyClicks(box, text);
        }

        QCOMPARE(box->text(), shown);
    }

    void controlKeysAreFiltered_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("clipboard");

        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        // The box starts as "12" with the caret at its end and the clipboard holding "99".
        QTest::newRow("Backspace is kept") << 0 << int(Qt::Key_Backspace) << none << "1"
                                           << "99";
        QTest::newRow("Enter is kept") << 3 << int(Qt::Key_Return) << none << "12"
                                       << "99";
        QTest::newRow("Ctrl+V pastes nothing") << 0 << int(Qt::Key_V) << ctrl << "12"
                                               << "99";
        QTest::newRow("Ctrl+V into hexadecimal") << 4 << int(Qt::Key_V) << ctrl << "12"
                                                 << "99";
        QTest::newRow("Ctrl+X cuts nothing") << 1 << int(Qt::Key_X) << ctrl << "12"
                                             << "99";
        QTest::newRow("Ctrl+C copies nothing") << 5 << int(Qt::Key_C) << ctrl << "12"
                                               << "99";
    }

    void controlKeysAreFiltered()
    {
        QFETCH(int, index);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, shown);
        QFETCH(QString, clipboard);

        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *box = window.txtColValue[static_cast<std::size_t>(index)];
        box->setFocus();
        box->setText(QStringLiteral("12"));
        box->setCursorPosition(2);
        if (key != Qt::Key_Backspace)
            box->selectAll(); // something for cut and copy to take
        platform::clipboardSetText(QStringLiteral("99"));

        QTest::keyClick(box, static_cast<Qt::Key>(key), modifiers);

        QCOMPARE(box->text(), shown);
        QCOMPARE(platform::clipboardText(), clipboard);
    }

    void decimalOkCorrectsAndPublishesTheTriple_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QList<int>>("channels");

        QTest::newRow("300, nothing, 12")
            << QStringList { "300", "", "12" } << QList<int> { 255, 0, 12 };
        QTest::newRow("pasted minus seven")
            << QStringList { "-7", "0", "0" } << QList<int> { 0, 0, 0 };
        QTest::newRow("2.5 goes to the even 2")
            << QStringList { "2.5", "1", "1" } << QList<int> { 2, 1, 1 };
        QTest::newRow("3.5 goes to the even 4")
            << QStringList { "3.5", "1", "1" } << QList<int> { 4, 1, 1 };
        QTest::newRow("point 5 goes to 0")
            << QStringList { ".5", "1", "1" } << QList<int> { 0, 1, 1 };
        QTest::newRow("1 and a point") << QStringList { "1.", "1", "1" } << QList<int> { 1, 1, 1 };
        QTest::newRow("point alone") << QStringList { ".", "7", "8" } << QList<int> { 0, 7, 8 };
        QTest::newRow("two points") << QStringList { "1.2", "..5", "9" } << QList<int> { 1, 0, 9 };
        QTest::newRow("above and below a half")
            << QStringList { "2.6", "2.4", "1.5" } << QList<int> { 3, 2, 2 };
        QTest::newRow("leading zeros")
            << QStringList { "007", "010", "000" } << QList<int> { 7, 10, 0 };
        QTest::newRow("signs and blanks")
            << QStringList { "+5", " 6 ", "-0" } << QList<int> { 5, 6, 0 };
        QTest::newRow("limits") << QStringList { "255", "256", "999" }
                                << QList<int> { 255, 255, 255 };
        QTest::newRow("no number") << QStringList { "1e2", "2,5", "x" } << QList<int> { 0, 0, 0 };
        QTest::newRow("a sign alone") << QStringList { "-", "+", "- 1" } << QList<int> { 0, 0, 0 };
    }

    void decimalOkCorrectsAndPublishesTheTriple()
    {
        QFETCH(QStringList, typed);
        QFETCH(QList<int>, channels);

        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        window.show();
        for (std::size_t f = 0; f < 3; ++f)
            paste(window.txtColValue[f], typed[static_cast<int>(f)]);
        platform::clipboardSetText(Sentinel);

        QTest::mouseClick(window.cmdDecColVal, Qt::LeftButton);

        const ColourValue colour = RGB(channels[0], channels[1], channels[2]);
        QCOMPARE(window.currentColour(), colour);
        QCOMPARE(colourShown(window), showing(colour));
        QCOMPARE(platform::clipboardText(),
                 QStringLiteral("%1,%2,%3").arg(channels[0]).arg(channels[1]).arg(channels[2]));
    }

    void hexOkCompletesAndPublishesTheHtmlValue_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<ColourValue>("colour");

        QTest::newRow("nothing, F, 0") << QStringList { "", "F", "0" } << 0x000F00;
        QTest::newRow("orange") << QStringList { "FF", "80", "00" } << 0x0080FF;
        QTest::newRow("single digits") << QStringList { "1", "2", "3" } << 0x030201;
        QTest::newRow("pasted lower case") << QStringList { "ff", "a0", "0b" } << 0x0BA0FF;
        QTest::newRow("the colour already current") << QStringList { "FF", "00", "00" } << 0x0000FF;
    }

    void hexOkCompletesAndPublishesTheHtmlValue()
    {
        QFETCH(QStringList, typed);
        QFETCH(ColourValue, colour);

        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        window.show();
        for (std::size_t f = 0; f < 3; ++f)
            paste(window.txtColValue[3 + f], typed[static_cast<int>(f)]);
        platform::clipboardSetText(Sentinel);

        QTest::mouseClick(window.cmdHexColVal, Qt::LeftButton);

        const QString hex = QString::fromStdString(modChromel::ColorToHex(colour));
        QCOMPARE(window.currentColour(), colour);
        QCOMPARE(colourShown(window), showing(colour));
        // Even when the display did not change, OK puts the value on the clipboard.
        QCOMPARE(platform::clipboardText(), QStringLiteral("\"#%1\"").arg(hex));
        QCOMPARE(fake.shown.size(), 0);
    }

    void hexOkAsksToCorrectTextThatIsNoHexNumber_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("faulty");
        QTest::addColumn<QString>("prompt");

        QTest::newRow("pasted G1 in green")
            << QStringList { "F", "G1", "" } << 4
            << "The Green value \"G1\" is not a hexadecimal number from 00 to FF. Please "
               "correct it.";
        QTest::newRow("F and a point in red")
            << QStringList { "F.", "80", "00" } << 3
            << "The Red value \"F.\" is not a hexadecimal number from 00 to FF. Please "
               "correct it.";
        QTest::newRow("a point alone in blue")
            << QStringList { "FF", "80", "." } << 5
            << "The Blue value \".\" is not a hexadecimal number from 00 to FF. Please "
               "correct it.";
        QTest::newRow("a single pasted letter")
            << QStringList { "00", "x", "00" } << 4
            << "The Green value \"x\" is not a hexadecimal number from 00 to FF. Please "
               "correct it.";
        QTest::newRow("the first of two faults is named")
            << QStringList { "00", "-1", "Z" } << 4
            << "The Green value \"-1\" is not a hexadecimal number from 00 to FF. Please "
               "correct it.";
    }

    void hexOkAsksToCorrectTextThatIsNoHexNumber()
    {
        QFETCH(QStringList, typed);
        QFETCH(int, faulty);
        QFETCH(QString, prompt);

        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(window.Picture1[1], Qt::LeftButton);
        for (std::size_t f = 0; f < 3; ++f)
            paste(window.txtColValue[3 + f], typed[static_cast<int>(f)]);
        const QStringList before = colourShown(window);
        platform::clipboardSetText(Sentinel);

        QTest::mouseClick(window.cmdHexColVal, Qt::LeftButton);

        QCOMPARE(fake.shown.size(), 1);
        const auto &box = fake.shown.first();
        QCOMPARE(box.prompt, prompt);
        QCOMPARE(box.icon, platform::Icon::Exclamation);
        QCOMPARE(box.buttons, platform::Buttons::OK);
        QCOMPARE(box.title, QStringLiteral("Pigmentor"));

        QCOMPARE(window.currentColour(), RGB(255, 128, 0));
        QCOMPARE(colourShown(window), before);
        QCOMPARE(platform::clipboardText(), Sentinel);
        QCOMPARE(QApplication::focusWidget(),
                 static_cast<QWidget *>(window.txtColValue[static_cast<std::size_t>(faulty)]));
    }

    void eachRowShowsTheColourTheOtherRowMade()
    {
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        window.show();

        for (auto [box, key] : { std::pair { 0, "25" }, std::pair { 1, "128" } }) {
            window.txtColValue[static_cast<std::size_t>(box)]->clear();
            QTest::keyClicks(window.txtColValue[static_cast<std::size_t>(box)], QLatin1String(key));
        }
        QTest::mouseClick(window.cmdDecColVal, Qt::LeftButton);
        QCOMPARE(channelBoxes(window), (QStringList { "25", "128", "0", "19", "80", "00" }));
        QCOMPARE(platform::clipboardText(), QStringLiteral("25,128,0"));

        window.txtColValue[5]->clear();
        QTest::keyClicks(window.txtColValue[5], QStringLiteral("C"));
        QTest::mouseClick(window.cmdHexColVal, Qt::LeftButton);
        QCOMPARE(channelBoxes(window), (QStringList { "25", "128", "12", "19", "80", "0C" }));
        QCOMPARE(window.currentColour(), RGB(25, 128, 12));
        QCOMPARE(platform::clipboardText(), QStringLiteral("\"#19800C\""));
    }
};

SWATCHLY_TEST(TypedValuesTest)
#include "TypedValuesTest.moc"
