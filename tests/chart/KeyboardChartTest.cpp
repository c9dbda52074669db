// The colour chart window from the keyboard: the arrow keys move through the chart grid, the
// keys that stand for clicks pick and store exactly as those clicks do, the sliders move, and
// Tab goes through the controls in order with the chart as one stop.
#include "chart/frmTintora.h"
#include "platform/controls/ColourBox.h"
#include "platform/controls/ColourConversion.h"
#include "platform/controls/Slider.h"
#include "platform/services/Clipboard.h"
#include "support/FakePlatform.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QTest>

using namespace swatchly;
using swatchly::test::FakePlatform;

namespace {

const QString Sentinel = QStringLiteral("held before the key");

// What a pick or a store can change.
struct ChartState
{
    ColourValue current;
    QList<ColourValue> boxes;
    QStringList channelBoxes;
    QList<int> sliders;
    QString hexDisplay;
    QString clipboard;
    bool userColoursChanged;

    bool operator==(const ChartState &) const = default;
};

ChartState stateOf(const frmTintora &window)
{
    ChartState state {
        window.currentColour(),  {}, {}, {}, window.txtHexValue->text(), platform::clipboardText(),
        window.UserColorsChanged
    };
    for (auto *box : window.Picture1)
        state.boxes.append(box->backColor());
    for (auto *box : window.txtColValue)
        state.channelBoxes.append(box->text());
    for (auto *slider : window.Slide)
        state.sliders.append(slider->value());
    return state;
}

char *toString(const ChartState &state)
{
    return QTest::toString(QStringLiteral("current %1, hex \"%2\", clipboard \"%3\", changed %4")
                               .arg(state.current)
                               .arg(state.hexDisplay, state.clipboard)
                               .arg(state.userColoursChanged));
}

// The window that has the focus gets the key, as it would from the keyboard.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *focused = QApplication::focusWidget();
    QVERIFY(focused);
    QTest::keyClick(focused, key, modifiers);
}

// The control the focus is in; the name box's edit field counts as the name box.
QWidget *focusedControl(const frmTintora &window)
{
    QWidget *focused = QApplication::focusWidget();
    if (focused && focused == window.Combo1->lineEdit())
        return window.Combo1;
    return focused;
}

void showActive(frmTintora &window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

enum class Outcome { Selects, Stores, Nothing };

} // namespace

Q_DECLARE_METATYPE(Outcome)

class KeyboardChartTest : public QObject
{
    Q_OBJECT

private slots:
    void arrowKeysMoveInsideTheGrid_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<int>("end");

        using Keys = QList<Qt::Key>;
        QTest::newRow("right") << 0 << Keys { Qt::Key_Right } << 1;
        QTest::newRow("left") << 10 << Keys { Qt::Key_Left } << 9;
        QTest::newRow("down from the chart into the user colours")
            << 18 << Keys { Qt::Key_Down } << 25;
        QTest::newRow("up from the user colours into the chart") << 21 << Keys { Qt::Key_Up } << 14;
        QTest::newRow("down the first column") << 0 << Keys(4, Qt::Key_Down) << 28;
        QTest::newRow("to the last box")
            << 0 << Keys(6, Qt::Key_Right) + Keys(4, Qt::Key_Down) << 34;
        QTest::newRow("left edge") << 7 << Keys { Qt::Key_Left } << 7;
        QTest::newRow("right edge does not wrap") << 6 << Keys { Qt::Key_Right } << 6;
        QTest::newRow("top edge") << 3 << Keys { Qt::Key_Up } << 3;
        QTest::newRow("bottom edge") << 30 << Keys { Qt::Key_Down } << 30;
        QTest::newRow("corner, then back in")
            << 34 << Keys { Qt::Key_Right, Qt::Key_Down, Qt::Key_Left } << 33;
    }

    void arrowKeysMoveInsideTheGrid()
    {
        QFETCH(int, start);
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(int, end);
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        showActive(window);
        window.Picture1[static_cast<std::size_t>(start)]->setFocus(Qt::OtherFocusReason);
        platform::clipboardSetText(Sentinel);
        const ChartState before = stateOf(window);

        for (Qt::Key key : keys)
            press(key);

        QCOMPARE(QApplication::focusWidget(),
                 static_cast<QWidget *>(window.Picture1[static_cast<std::size_t>(end)]));
        // Moving picks nothing.
        QCOMPARE(stateOf(window), before);
    }

    void keysChooseAsTheClickTheyStandFor_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<Outcome>("outcome");

        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
        QTest::newRow("Space on a chart box") << 5 << Qt::Key_Space << none << Outcome::Selects;
        QTest::newRow("Space on a user box") << 30 << Qt::Key_Space << none << Outcome::Selects;
        QTest::newRow("Enter on a chart box") << 12 << Qt::Key_Return << none << Outcome::Selects;
        QTest::newRow("keypad Enter on a user box")
            << 22 << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier) << Outcome::Selects;
        QTest::newRow("Shift+Space on a user box")
            << 23 << Qt::Key_Space << shift << Outcome::Stores;
        QTest::newRow("Shift+Space on the last user box")
            << 34 << Qt::Key_Space << shift << Outcome::Stores;
        QTest::newRow("Shift+Space on a chart box")
            << 20 << Qt::Key_Space << shift << Outcome::Nothing;
        QTest::newRow("Ctrl+Space")
            << 5 << Qt::Key_Space << Qt::KeyboardModifiers(Qt::ControlModifier) << Outcome::Nothing;
        QTest::newRow("Ctrl+Shift+Space on a user box")
            << 25 << Qt::Key_Space << (Qt::ControlModifier | Qt::ShiftModifier) << Outcome::Nothing;
        QTest::newRow("Shift+Enter on a user box")
            << 25 << Qt::Key_Return << shift << Outcome::Nothing;
        QTest::newRow("a letter") << 5 << Qt::Key_A << none << Outcome::Nothing;
    }

    void keysChooseAsTheClickTheyStandFor()
    {
        QFETCH(int, index);
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(Outcome, outcome);
        FakePlatform fake;
        fake.copyShippedData();
        const auto box = static_cast<std::size_t>(index);

        // The click the key stands for, in a window of its own, made after the same first pick.
        ChartState clicked;
        {
            frmTintora window(fake);
            showActive(window);
            QTest::mouseClick(window.Picture1[3], Qt::LeftButton);
            platform::clipboardSetText(Sentinel);
            const ChartState before = stateOf(window);
            if (outcome == Outcome::Selects)
                QTest::mouseClick(window.Picture1[box], Qt::LeftButton);
            else if (outcome == Outcome::Stores)
                QTest::mouseClick(window.Picture1[box], Qt::RightButton, Qt::ShiftModifier);
            clicked = stateOf(window);
            if (outcome == Outcome::Nothing)
                QCOMPARE(clicked, before);
            else
                QVERIFY(clicked != before);
        }

        frmTintora window(fake);
        showActive(window);
        QTest::mouseClick(window.Picture1[3], Qt::LeftButton);
        window.Picture1[box]->setFocus(Qt::OtherFocusReason);
        platform::clipboardSetText(Sentinel);

        press(key, modifiers);

        QCOMPARE(stateOf(window), clicked);
        switch (outcome) {
        case Outcome::Selects:
            QCOMPARE(window.currentColour(), window.Picture1[box]->backColor());
            QCOMPARE(platform::clipboardText(),
                     QStringLiteral("\"#%1\"").arg(QString::fromStdString(
                         modChromel::ColorToHex(window.Picture1[box]->backColor()))));
            QVERIFY(!window.UserColorsChanged);
            break;
        case Outcome::Stores:
            QCOMPARE(window.Picture1[box]->backColor(), window.Picture1[3]->backColor());
            QVERIFY(window.UserColorsChanged);
            break;
        case Outcome::Nothing:
            QCOMPARE(platform::clipboardText(), Sentinel);
            QVERIFY(!window.UserColorsChanged);
            break;
        }
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window.Picture1[box]));
    }

    void focusedBoxShowsAFrame()
    {
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        showActive(window);
        platform::ColourBox *box = window.Picture1[8];
        const QColor colour = platform::toQColor(box->backColor());
        const QPoint ring(3, box->height() / 2);
        const QPoint middle = box->rect().center();

        window.Check1->setFocus(Qt::OtherFocusReason);
        QImage image = box->grab().toImage();
        QCOMPARE(image.pixelColor(ring * image.devicePixelRatio()), colour);

        box->setFocus(Qt::OtherFocusReason);
        image = box->grab().toImage();
        QCOMPARE(image.pixelColor(ring * image.devicePixelRatio()), QColor(Qt::black));
        QCOMPARE(image.pixelColor(middle * image.devicePixelRatio()), colour);
    }

    void focusedSliderShowsAFrame()
    {
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        showActive(window);
        platform::Slider *slider = window.Slide[1];
        const QPoint edge(slider->width() / 2, 0);

        QImage image = slider->grab().toImage();
        QVERIFY(image.pixelColor(edge * image.devicePixelRatio()) != QColor(Qt::black));

        slider->setFocus(Qt::TabFocusReason);
        image = slider->grab().toImage();
        QCOMPARE(image.pixelColor(edge * image.devicePixelRatio()), QColor(Qt::black));
    }

    void slidersMoveFromTheKeyboard()
    {
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        showActive(window);
        window.Check1->setFocus(Qt::OtherFocusReason);
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window.Slide[0]));
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window.Slide[1]));

        const int green = window.Slide[1]->value();
        press(green < 255 ? Qt::Key_Right : Qt::Key_Left);
        const int moved = green < 255 ? green + 1 : green - 1;
        QCOMPARE(window.Slide[1]->value(), moved);
        QCOMPARE(greenOf(window.currentColour()), moved);
        QCOMPARE(window.txtColValue[1]->text(), QString::number(moved));

        press(Qt::Key_End);
        QCOMPARE(window.Slide[1]->value(), 255);
        QCOMPARE(greenOf(window.currentColour()), 255);
        QCOMPARE(platform::clipboardText(),
                 QStringLiteral("\"#%1\"").arg(
                     QString::fromStdString(modChromel::ColorToHex(window.currentColour()))));
    }

    void tabVisitsTheControlsInOrder()
    {
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        showActive(window);
        // The window opens in the chart.
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window.Picture1[0]));

        QList<QWidget *> expected { window.Picture1[0], window.Check1, window.txtHexValue,
                                    window.txtDecValue };
        for (auto *slider : window.Slide)
            expected.append(slider);
        expected.append(window.cmdSlideSel);
        expected << window.txtColValue[0] << window.txtColValue[1] << window.txtColValue[2]
                 << window.cmdDecColVal << window.txtColValue[3] << window.txtColValue[4]
                 << window.txtColValue[5] << window.cmdHexColVal << window.Combo1
                 << window.cmdShowMeColors << window.cmdFont << window.cmdExit;

        QList<QWidget *> visited { focusedControl(window) };
        for (qsizetype i = 1; i < expected.size(); ++i) {
            press(Qt::Key_Tab);
            visited.append(focusedControl(window));
        }
        QCOMPARE(visited, expected);
        // Round again to the start.
        press(Qt::Key_Tab);
        QCOMPARE(focusedControl(window), expected.first());

        QList<QWidget *> back;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            press(Qt::Key_Tab, Qt::ShiftModifier);
            back.prepend(focusedControl(window));
        }
        QCOMPARE(back, expected);
        QVERIFY(fake.shown.isEmpty());
    }

    void chartIsOneTabStopAtTheLastBoxUsed_data()
    {
        QTest::addColumn<bool>("byMouse");
        QTest::newRow("reached by the arrow keys") << false;
        QTest::newRow("clicked") << true;
    }

    void chartIsOneTabStopAtTheLastBoxUsed()
    {
        QFETCH(bool, byMouse);
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        showActive(window);
        QWidget *box = window.Picture1[16];
        if (byMouse) {
            QTest::mouseClick(box, Qt::LeftButton);
        } else {
            for (Qt::Key key : { Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right })
                press(key);
        }
        QCOMPARE(QApplication::focusWidget(), box);

        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window.Check1));
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), box);
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focusedControl(window), static_cast<QWidget *>(window.cmdExit));
    }
};

SWATCHLY_TEST(KeyboardChartTest)
#include "KeyboardChartTest.moc"
