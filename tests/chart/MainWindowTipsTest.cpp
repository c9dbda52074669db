// The main window's tips: their texts and looks, and the check box that switches them.
#include "chart/frmTintora.h"
#include "platform/controls/ColourConversion.h"
#include "support/FakePlatform.h"
#include "support/TestRegistry.h"
#include "widgets/TipWindow.h"
#include "widgets/cToolTip.h"

#include <QAction>
#include <QFontMetrics>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <vector>

using namespace swatchly;
using swatchly::test::FakePlatform;

namespace {

const QString UserColoursText = QStringLiteral(
    "  To Add your own Custom Colors to these Boxes\r\n\r\n"
    "Hold Down the Shift Key and Right Click your mouse button\r\n\r\n"
    "This box color will be the color of the 'Color you Selected' Box\r\n\r\n"
    "You can change the color of the 'Users Special Color' Boxes at any Time.\r\n\r\n"
    "The Users Special Colors are saved when any changes occur.");
const QString MoreColoursText =
    QStringLiteral("Colors, colors and more colors...\r\n\r\n\r\n   Just Show Me the Colors...");
const QString SliderText = QStringLiteral(
    "Use Either the Middle Bar \r\n\r\nor the End Arrows < >\r\n\r\nTo Change the Value");
const QString FontText = QStringLiteral(
    "Changes the    font \r\nof the  Slider display label.\r\n\r\nHex Value (FFFFFF)");

struct OwnTip
{
    QWidget *control;
    QString text;
};

std::vector<OwnTip> ownTips(const frmTintora &w)
{
    std::vector<OwnTip> tips {
        { w.Check1, QStringLiteral("v/ all tool tips are Activated") },
        { w.picColorSel, QStringLiteral("The Currently Active Color") },
        { w.txtHexValue, QStringLiteral("The Hexadecimal Value of the Color") },
        { w.txtDecValue, QStringLiteral("The Decimal Value of the Color") },
        { w.cmdDecColVal,
          QStringLiteral(
              "Type in Numbers from 0 To 255 then Click to Show and Activate this Color") },
        { w.cmdHexColVal,
          QStringLiteral("Type in Numbers (Hex) from 0 To FF (Upper Case) then Click to Show "
                         "and Activate this Color") },
        { w.lblShowCB, QStringLiteral("Click to Show ClipBoard") },
        { w.Combo1, QStringLiteral("Click in this box to Activate Name Shown") },
    };
    for (int i = 0; i <= 20; ++i)
        tips.push_back({ w.Picture1[static_cast<std::size_t>(i)],
                         QStringLiteral("Click to Select (Activate) this Color!") });
    for (int i = 0; i <= 2; ++i)
        tips.push_back({ w.txtColValue[static_cast<std::size_t>(i)],
                         QStringLiteral("Enter in a Number from 0 To 255") });
    for (int i = 3; i <= 5; ++i)
        tips.push_back({ w.txtColValue[static_cast<std::size_t>(i)],
                         QStringLiteral("Enter in a Hex Number from 0 To FF (Upper Case Only)") });
    for (auto *label : w.lblRGB)
        tips.push_back({ label, QStringLiteral("Shows the Decimal value.") });
    return tips;
}

struct CustomTip
{
    QWidget *control;
    const cToolTip *manager;
    QString text;
};

std::vector<CustomTip> customTips(const frmTintora &w)
{
    std::vector<CustomTip> tips {
        { w.cmdShowMeColors, w.ttMoreColors.get(), MoreColoursText },
        { w.Slide[0], w.ttSlideRed.get(), SliderText },
        { w.Slide[1], w.ttSlideGreen.get(), SliderText },
        { w.Slide[2], w.ttSlideBlue.get(), SliderText },
        { w.cmdFont, w.ttFont.get(), FontText },
    };
    for (int i = 21; i <= 34; ++i)
        tips.push_back(
            { w.Picture1[static_cast<std::size_t>(i)], w.ttUserColors.get(), UserColoursText });
    return tips;
}

std::vector<const cToolTip *> managers(const frmTintora &w)
{
    return { w.ttUserColors.get(), w.ttSlideRed.get(), w.ttSlideGreen.get(),
             w.ttSlideBlue.get(),  w.ttFont.get(),     w.ttMoreColors.get() };
}

// Every control of both tables carries its tip, and each manager serves exactly its own
// controls, one tip each.
void verifyAllTipsOn(const frmTintora &w)
{
    QCOMPARE(w.Check1->text(), QStringLiteral("Tool Tips - (ON)"));
    for (const auto &tip : ownTips(w))
        QCOMPARE(tip.control->toolTip(), tip.text);
    for (const auto &tip : customTips(w)) {
        QVERIFY2(tip.control->toolTip().isEmpty(), qPrintable(tip.control->objectName()));
        for (const cToolTip *manager : managers(w)) {
            const QString expected = manager == tip.manager ? tip.text : QString();
            QCOMPARE(manager->tipText(tip.control), expected);
        }
        QVERIFY(!tip.manager->isCentred(tip.control));
    }
    QCOMPARE(w.ttUserColors->tipCount(), 14);
    for (const cToolTip *manager : managers(w))
        if (manager != w.ttUserColors.get())
            QCOMPARE(manager->tipCount(), 1);
}

void clickSwitch(frmTintora &w)
{
    QTest::mouseClick(w.Check1, Qt::LeftButton, {}, w.Check1->rect().center());
}

// The pointer rests on a control until the given manager's tip shows.
void restOn(QWidget *control, const cToolTip &manager)
{
    QTest::mouseMove(control->window(), QPoint(2, 2));
    QTest::mouseMove(control, control->rect().center());
    QTRY_VERIFY(manager.tipWindow()->isVisible());
}

} // namespace

class MainWindowTipsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FakePlatform> m_fake;
    std::unique_ptr<frmTintora> m_window;

private slots:
    void init()
    {
        m_fake = std::make_unique<FakePlatform>();
        m_fake->copyShippedData();
        m_window = std::make_unique<frmTintora>(*m_fake);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup()
    {
        m_window.reset();
        m_fake.reset();
    }

    void rightAfterStartEveryTipIsOn()
    {
        QCOMPARE(m_window->Check1->value(), 1);
        verifyAllTipsOn(*m_window);
    }

    void managersHaveTheirLooks_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("background");
        QTest::addColumn<int>("text");
        QTest::addColumn<int>("width");
        QTest::newRow("ttUserColors") << 0 << 1 << 0xEEFFFF << 0 << 300;
        QTest::newRow("ttSlideRed") << 1 << 2 << 0x0000FF << 0x00FFFF << 75;
        QTest::newRow("ttSlideGreen") << 2 << 2 << 0x00FF00 << 0 << 75;
        QTest::newRow("ttSlideBlue") << 3 << 2 << 0xFF0000 << 0xFFFFFF << 75;
        QTest::newRow("ttFont") << 4 << 2 << 0 << 0x00FFFF << 75;
        QTest::newRow("ttMoreColors") << 5 << 2 << 0x0000FF << 0x00FFFF << 50;
    }

    void managersHaveTheirLooks()
    {
        QFETCH(int, index);
        QFETCH(int, style);
        QFETCH(int, background);
        QFETCH(int, text);
        QFETCH(int, width);
        // Their looks do not depend on the switch: check after off and on again as well.
        for (int round = 0; round < 2; ++round) {
            const cToolTip &tip = *managers(*m_window)[static_cast<std::size_t>(index)];
            QCOMPARE(tip.Style(), style);
            QCOMPARE(tip.BkColor(), background);
            QCOMPARE(tip.TxtColor(), text);
            QCOMPARE(tip.TipWidth(), width);
            QCOMPARE(tip.DelayTime(), 300);
            QCOMPARE(tip.VisibleTime(), 20000);

            const TipWindow *window = tip.tipWindow();
            QVERIFY(window);
            QCOMPARE(window->isBalloon(), style == 2);
            QCOMPARE(window->backgroundColour(), platform::toQColor(background));
            QCOMPARE(window->textColour(), platform::toQColor(text));
            QCOMPARE(window->maxTextWidth(), width);

            clickSwitch(*m_window);
            clickSwitch(*m_window);
        }
    }

    void switchingOffTakesEveryTipAway()
    {
        clickSwitch(*m_window);
        QCOMPARE(m_window->Check1->value(), 0);
        QCOMPARE(m_window->Check1->text(), QStringLiteral("Tool Tips - (OFF)"));
        for (const auto &tip : ownTips(*m_window))
            QVERIFY2(tip.control->toolTip().isEmpty(), qPrintable(tip.control->objectName()));
        for (const auto &tip : customTips(*m_window)) {
            QVERIFY(tip.control->toolTip().isEmpty());
            QVERIFY(tip.manager->tipText(tip.control).isEmpty());
        }
        for (const cToolTip *manager : managers(*m_window))
            QCOMPARE(manager->tipCount(), 0);

        // The toolbar's buttons keep theirs.
        const QStringList toolbarTips { QStringLiteral("Opens a file - Replace the U.S.Colors."),
                                        QStringLiteral("Save a file as a color scheme."),
                                        QStringLiteral("Information"),
                                        QStringLiteral("Brings up the help file."),
                                        QStringLiteral("Send Author feedback.") };
        QStringList shown;
        for (QAction *action : m_window->Toolbar1->actions()) {
            if (action->isSeparator())
                continue;
            auto *button = qobject_cast<QToolButton *>(m_window->Toolbar1->widgetForAction(action));
            QVERIFY(button);
            shown << button->toolTip();
        }
        QCOMPARE(shown, toolbarTips);
    }

    void offThenOnAgainGivesOneTipPerControl_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::newRow("off and on") << 2;
        QTest::newRow("three times off and on") << 6;
    }

    void offThenOnAgainGivesOneTipPerControl()
    {
        QFETCH(int, clicks);
        for (int i = 0; i < clicks; ++i)
            clickSwitch(*m_window);
        QCOMPARE(m_window->Check1->value(), 1);
        verifyAllTipsOn(*m_window);
    }

    void userColoursTipIsAPaleYellowRectangle()
    {
        const cToolTip &tip = *m_window->ttUserColors;
        restOn(m_window->Picture1[23], tip);
        const TipWindow *window = tip.tipWindow();
        QCOMPARE(window->text(), UserColoursText);
        QVERIFY(!window->isBalloon());
        QCOMPARE(window->backgroundColour(), QColor(255, 255, 238));
        QCOMPARE(window->textColour(), QColor(0, 0, 0));
        QVERIFY(window->textWidth() <= 300);

        // Five texts, an empty line between each two; the longer ones wrap.
        const QStringList lines = window->lines();
        QCOMPARE(lines.first(), QStringLiteral("  To Add your own Custom Colors to these Boxes"));
        QCOMPARE(lines.count(QString()), 4);
        QVERIFY(lines.size() > 9);
        const QFontMetrics metrics(window->font());
        for (const QString &line : lines)
            QVERIFY2(metrics.horizontalAdvance(line) <= 300, qPrintable(line));
    }

    void sliderTipsAreNarrowBalloonsInTheirColours_data()
    {
        QTest::addColumn<int>("slider");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("text");
        QTest::newRow("red") << 0 << QColor(255, 0, 0) << QColor(255, 255, 0);
        QTest::newRow("green") << 1 << QColor(0, 255, 0) << QColor(0, 0, 0);
        QTest::newRow("blue") << 2 << QColor(0, 0, 255) << QColor(255, 255, 255);
    }

    void sliderTipsAreNarrowBalloonsInTheirColours()
    {
        QFETCH(int, slider);
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        const std::array<const cToolTip *, 3> tips { m_window->ttSlideRed.get(),
                                                     m_window->ttSlideGreen.get(),
                                                     m_window->ttSlideBlue.get() };
        const cToolTip &tip = *tips[static_cast<std::size_t>(slider)];
        restOn(m_window->Slide[static_cast<std::size_t>(slider)], tip);
        const TipWindow *window = tip.tipWindow();
        QCOMPARE(window->text(), SliderText);
        QVERIFY(window->isBalloon());
        QCOMPARE(window->backgroundColour(), background);
        QCOMPARE(window->textColour(), text);
        QVERIFY(window->textWidth() <= 75);
        // "Use Either the Middle Bar " does not fit 75 pixels: the lines wrap.
        QVERIFY(window->lines().size() > 5);
    }

    void offNoCustomTipShowsOnHover()
    {
        clickSwitch(*m_window);
        QTest::mouseMove(m_window.get(), QPoint(2, 2));
        QTest::mouseMove(m_window->cmdFont, m_window->cmdFont->rect().center());
        QTest::qWait(500);
        for (const cToolTip *manager : managers(*m_window))
            QVERIFY(!manager->tipWindow()->isVisible());

        clickSwitch(*m_window);
        restOn(m_window->cmdFont, *m_window->ttFont);
        QCOMPARE(m_window->ttFont->tipWindow()->text(), FontText);
    }
};

SWATCHLY_TEST(MainWindowTipsTest)
#include "MainWindowTipsTest.moc"
