// Picking the current colour from the chart with the mouse, storing it into the Users Special
// Colors, and what the displays, channel boxes, sliders and clipboard show afterwards.
#include "chart/frmTintora.h"
#include "platform/controls/ColourBox.h"
#include "platform/services/Clipboard.h"
#include "support/FakePlatform.h"
#include "support/TestRegistry.h"
#include "support/WindowContents.h"

#include <QTest>

using namespace swatchly;
using swatchly::test::channelBoxes;
using swatchly::test::FakePlatform;
using swatchly::test::sliders;

namespace {

const QString Sentinel = QStringLiteral("held before the click");

QString quotedHtml(const QString &digits)
{
    return QStringLiteral("\"#%1\"").arg(digits);
}

QString hexOf(ColourValue c)
{
    return QString::fromStdString(modChromel::ColorToHex(c));
}

QList<ColourValue> boxColours(const frmTintora &window)
{
    QList<ColourValue> colours;
    for (auto *box : window.Picture1)
        colours.append(box->backColor());
    return colours;
}

// The user colours file with box 21 empty and box 22 holding
// red 15, green 0, blue 0.
QByteArray userColoursWithEmptyFirstBox()
{
    QByteArray bytes = "\"\"\r\n\"0F0000\"\r\n";
    for (int i = 2; i < 14; ++i)
        bytes += "\"123456\"\r\n";
    return bytes;
}

void click(platform::ColourBox *box, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(box, button, modifiers, box->rect().center());
}

} // namespace

class ColourChartTest : public QObject
{
    Q_OBJECT

private slots:
    void clickSelectsOrDoesNothing_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("selects");

        const Qt::KeyboardModifiers none = Qt::NoModifier;
        QTest::newRow("left on a chart box") << 1 << Qt::LeftButton << none << true;
        QTest::newRow("left on a user box") << 30 << Qt::LeftButton << none << true;
        QTest::newRow("Shift+left")
            << 12 << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
        QTest::newRow("Ctrl+left")
            << 19 << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ControlModifier) << true;
        QTest::newRow("Alt+left") << 25 << Qt::LeftButton << Qt::KeyboardModifiers(Qt::AltModifier)
                                  << true;
        QTest::newRow("Ctrl+Shift+Alt+left")
            << 34 << Qt::LeftButton << (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier)
            << true;
        QTest::newRow("right on a user box") << 25 << Qt::RightButton << none << false;
        QTest::newRow("right on a chart box") << 5 << Qt::RightButton << none << false;
        QTest::newRow("Shift+right on a chart box")
            << 20 << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
        QTest::newRow("Ctrl+Shift+right on a user box")
            << 25 << Qt::RightButton << (Qt::ControlModifier | Qt::ShiftModifier) << false;
        QTest::newRow("Shift+Alt+right on a user box")
            << 25 << Qt::RightButton << (Qt::ShiftModifier | Qt::AltModifier) << false;
        QTest::newRow("Ctrl+right on a user box")
            << 25 << Qt::RightButton << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
        QTest::newRow("middle") << 5 << Qt::MiddleButton << none << false;
        QTest::newRow("Shift+middle on a user box")
            << 25 << Qt::MiddleButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
    }

    void clickSelectsOrDoesNothing()
    {
        QFETCH(int, index);
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, selects);

        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const ColourValue before = window.currentColour();
        const auto boxesBefore = boxColours(window);
        const auto channelsBefore = channelBoxes(window);
        const auto slidersBefore = sliders(window);
        const QString hexBefore = window.txtHexValue->text();
        platform::clipboardSetText(Sentinel);

        auto *box = window.Picture1[static_cast<std::size_t>(index)];
        const ColourValue picked = box->backColor();
        QVERIFY(picked != before);
        click(box, button, modifiers);

        QCOMPARE(boxColours(window), boxesBefore);
        QVERIFY(!window.UserColorsChanged);
        if (selects) {
            const QString hex = hexOf(picked);
            QCOMPARE(window.currentColour(), picked);
            QCOMPARE(window.txtHexValue->text(), hex + QStringLiteral("\r\nHex Value"));
            QCOMPARE(window.txtDecValue->text(),
                     QString::number(picked) + QStringLiteral("\r\nDecimal Value"));
            QCOMPARE(
                channelBoxes(window),
                (QStringList { QString::number(redOf(picked)), QString::number(greenOf(picked)),
                               QString::number(blueOf(picked)), hex.mid(0, 2), hex.mid(2, 2),
                               hex.mid(4, 2) }));
            QCOMPARE(sliders(window),
                     (QList<int> { redOf(picked), greenOf(picked), blueOf(picked) }));
            QCOMPARE(platform::clipboardText(), quotedHtml(hex));
        } else {
            QCOMPARE(window.currentColour(), before);
            QCOMPARE(window.txtHexValue->text(), hexBefore);
            QCOMPARE(channelBoxes(window), channelsBefore);
            QCOMPARE(sliders(window), slidersBefore);
            QCOMPARE(platform::clipboardText(), Sentinel);
        }
    }

    void shiftRightClickStoresOnlyIntoUserBoxes_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("stores");
        QTest::newRow("chart box 0") << 0 << false;
        QTest::newRow("last chart box 20") << 20 << false;
        QTest::newRow("first user box 21") << 21 << true;
        QTest::newRow("user box 27") << 27 << true;
        QTest::newRow("last user box 34") << 34 << true;
    }

    void shiftRightClickStoresOnlyIntoUserBoxes()
    {
        QFETCH(int, index);
        QFETCH(bool, stores);

        FakePlatform fake;
        fake.copyShippedData();
        const QByteArray fileBefore = fake.readFile(QStringLiteral("UserDefColors.col"));
        frmTintora window(fake);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        click(window.Picture1[1], Qt::LeftButton, Qt::NoModifier);
        const ColourValue current = window.currentColour();
        QCOMPARE(current, RGB(0xFF, 0x80, 0x00));
        const QString hexBefore = window.txtHexValue->text();
        const QString decBefore = window.txtDecValue->text();
        auto expected = boxColours(window);
        if (stores)
            expected[index] = current;
        platform::clipboardSetText(Sentinel);

        click(window.Picture1[static_cast<std::size_t>(index)], Qt::RightButton, Qt::ShiftModifier);

        QCOMPARE(boxColours(window), expected);
        QCOMPARE(window.UserColorsChanged, stores);
        QCOMPARE(window.currentColour(), current);
        // The displays are written again with the texts they hold, which is no change, so the
        // clipboard keeps what it had.
        QCOMPARE(window.txtHexValue->text(), hexBefore);
        QCOMPARE(window.txtDecValue->text(), decBefore);
        QCOMPARE(platform::clipboardText(), Sentinel);
        // Storing only marks the colours; they are written at exit.
        QCOMPARE(fake.readFile(QStringLiteral("UserDefColors.col")), fileBefore);
    }

    void storingTheColourABoxAlreadyHasStillMarksAChange()
    {
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        click(window.Picture1[23], Qt::LeftButton, Qt::NoModifier);
        const ColourValue colour = window.Picture1[23]->backColor();
        QCOMPARE(window.currentColour(), colour);
        QVERIFY(!window.UserColorsChanged);

        click(window.Picture1[23], Qt::RightButton, Qt::ShiftModifier);
        QCOMPARE(window.Picture1[23]->backColor(), colour);
        QVERIFY(window.UserColorsChanged);

        // A later plain selection does not take the mark back.
        click(window.Picture1[2], Qt::LeftButton, Qt::NoModifier);
        QVERIFY(window.UserColorsChanged);
    }

    void selectingAnEmptyBox_data()
    {
        QTest::addColumn<int>("selectedFirst");
        QTest::addColumn<ColourValue>("current");
        QTest::addColumn<QString>("decimalDisplay");

        // Box 0 is red 255: the red slider moves to 15 and its reaction mixes a plain colour.
        QTest::newRow("sliders move") << 0 << RGB(15, 0, 0) << QStringLiteral("15");
        // Box 22 is red 15: the sliders already stand at 15, 0, 0 and none of them moves.
        QTest::newRow("sliders already at 15, 0, 0")
            << 22 << ButtonFace << QStringLiteral("-2147483633");
    }

    void selectingAnEmptyBox()
    {
        QFETCH(int, selectedFirst);
        QFETCH(ColourValue, current);
        QFETCH(QString, decimalDisplay);

        FakePlatform fake;
        fake.copyShippedData();
        fake.writeFile(QStringLiteral("UserDefColors.col"), userColoursWithEmptyFirstBox());
        frmTintora window(fake);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.Picture1[21]->backColor(), ButtonFace);

        click(window.Picture1[static_cast<std::size_t>(selectedFirst)], Qt::LeftButton,
              Qt::NoModifier);
        click(window.Picture1[21], Qt::LeftButton, Qt::NoModifier);

        QCOMPARE(window.currentColour(), current);
        QCOMPARE(window.txtHexValue->text(), QStringLiteral("0F0000\r\nHex Value"));
        QCOMPARE(window.txtDecValue->text(), decimalDisplay + QStringLiteral("\r\nDecimal Value"));
        QCOMPARE(channelBoxes(window), (QStringList { "15", "0", "0", "0F", "00", "00" }));
        QCOMPARE(sliders(window), (QList<int> { 15, 0, 0 }));
        QCOMPARE(platform::clipboardText(), quotedHtml(QStringLiteral("0F0000")));
        QCOMPARE(window.Picture1[21]->backColor(), ButtonFace);
    }

    void typingInTheHexDisplayChangesOnlyTheClipboard_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("six digits and more") << "ABCDEF12"
                                             << "\"#ABCDEF\"";
        QTest::newRow("two characters") << "12"
                                        << "\"#12\"";
        QTest::newRow("words") << "hello world"
                               << "\"#hello \"";
    }

    void typingInTheHexDisplayChangesOnlyTheClipboard()
    {
        QFETCH(QString, typed);
        QFETCH(QString, clipboard);

        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        click(window.Picture1[1], Qt::LeftButton, Qt::NoModifier);

        const ColourValue before = window.currentColour();
        const auto boxesBefore = boxColours(window);
        const auto channelsBefore = channelBoxes(window);
        const auto slidersBefore = sliders(window);
        const QString decBefore = window.txtDecValue->text();
        const QString previewBefore = window.lblSlide->caption();

        window.txtHexValue->setFocus();
        window.txtHexValue->selectAll();
        QTest::keyClicks(window.txtHexValue, typed);

        QCOMPARE(window.txtHexValue->text(), typed);
        QCOMPARE(platform::clipboardText(), clipboard);
        QCOMPARE(window.currentColour(), before);
        QCOMPARE(boxColours(window), boxesBefore);
        QCOMPARE(channelBoxes(window), channelsBefore);
        QCOMPARE(sliders(window), slidersBefore);
        QCOMPARE(window.txtDecValue->text(), decBefore);
        QCOMPARE(window.lblSlide->caption(), previewBefore);
        QVERIFY(!window.UserColorsChanged);
    }

    void eachSelectionThatChangesTheColourReplacesTheClipboard()
    {
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        for (int index : { 3, 14, 20, 28, 0 }) {
            platform::clipboardSetText(Sentinel);
            auto *box = window.Picture1[static_cast<std::size_t>(index)];
            click(box, Qt::LeftButton, Qt::NoModifier);
            QCOMPARE(platform::clipboardText(), quotedHtml(hexOf(box->backColor())));
        }
    }
};

SWATCHLY_TEST(ColourChartTest)
#include "ColourChartTest.moc"
