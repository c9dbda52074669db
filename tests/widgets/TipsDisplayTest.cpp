// The main window's six kinds of custom tip on a real X server: the pointer rests on a tool,
// the tip comes up and stays for its visible time, and goes when the pointer leaves.
#include "chart/frmTintora.h"
#include "support/FakePlatform.h"
#include "support/RealDisplay.h"
#include "support/TestRegistry.h"
#include "widgets/TipWindow.h"
#include "widgets/cToolTip.h"

#include <QAbstractButton>
#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <memory>

using namespace swatchly;
using swatchly::test::clickPointer;
using swatchly::test::FakePlatform;
using swatchly::test::movePointerOnto;
using swatchly::test::movePointerTo;

namespace {

// Shortened for the test from the window's 20 s; the manager's own timer still runs it.
constexpr int VisibleMs = 1500;

// Counts how often a tip window comes up, however briefly.
struct ShowCounter : QObject
{
    explicit ShowCounter(QWidget *window) { window->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++count;
        return false;
    }
    int count = 0;
};

} // namespace

class TipsDisplayTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FakePlatform> m_fake;
    std::unique_ptr<frmTintora> m_window;

    // A spot on the desktop outside the window.
    QPoint outside() const { return m_window->frameGeometry().topLeft() - QPoint(40, 40); }

private slots:
    void initTestCase()
    {
        if (!test::onRealDisplay())
            QSKIP("needs a real X server (CTest runs this class under scripts/with-xvfb)");
    }

    void init()
    {
        m_fake = std::make_unique<FakePlatform>();
        m_fake->copyShippedData();
        m_window = std::make_unique<frmTintora>(*m_fake);
        m_window->move(120, 120);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        movePointerTo(outside());
    }

    void cleanup()
    {
        m_window.reset();
        m_fake.reset();
    }

    void tipStaysUpWhileThePointerRests_data()
    {
        QTest::addColumn<int>("manager");
        QTest::addColumn<QString>("tool");
        QTest::newRow("ttUserColors") << 0 << QStringLiteral("Picture1(27)");
        QTest::newRow("ttSlideRed") << 1 << QStringLiteral("Slide(0)");
        QTest::newRow("ttSlideGreen") << 2 << QStringLiteral("Slide(1)");
        QTest::newRow("ttSlideBlue") << 3 << QStringLiteral("Slide(2)");
        QTest::newRow("ttFont") << 4 << QStringLiteral("cmdFont");
        QTest::newRow("ttMoreColors") << 5 << QStringLiteral("cmdShowMeColors");
    }

    void tipStaysUpWhileThePointerRests()
    {
        QFETCH(int, manager);
        QFETCH(QString, tool);
        frmTintora &w = *m_window;
        cToolTip *tips[] = { w.ttUserColors.get(), w.ttSlideRed.get(), w.ttSlideGreen.get(),
                             w.ttSlideBlue.get(),  w.ttFont.get(),     w.ttMoreColors.get() };
        cToolTip &tip = *tips[manager];
        tip.setVisibleTime(VisibleMs);
        TipWindow *window = tip.tipWindow();
        auto *control = w.findChild<QWidget *>(tool);
        QVERIFY(control);

        ShowCounter shows(window);
        movePointerOnto(control);
        QTRY_VERIFY_WITH_TIMEOUT(shows.count > 0, 3000);
        QElapsedTimer up;
        up.start();
        while (up.elapsed() < VisibleMs - 300) {
            QTest::qWait(10);
            QVERIFY2(window->isVisible() && shows.count == 1,
                     qPrintable(QStringLiteral("gone after %1 ms; shown %2 times")
                                    .arg(up.elapsed())
                                    .arg(shows.count)));
        }
        // It never lies under the pointer, which would take the pointer from the tool.
        QVERIFY(!window->geometry().contains(QCursor::pos()));
        // It goes after its visible time and does not come back while the pointer rests.
        QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 1500);
        QTest::qWait(500);
        QVERIFY(!window->isVisible());

        // Leaving and coming back shows it again. A move onto the tip keeps it; leaving
        // takes it away at once.
        movePointerTo(outside());
        movePointerOnto(control);
        QTRY_VERIFY_WITH_TIMEOUT(window->isVisible(), 3000);
        movePointerTo(window->geometry().center());
        QTest::qWait(300);
        QVERIFY(window->isVisible());
        movePointerTo(outside());
        QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 1000);
    }

    void balloonCornersShowWhatLiesBehind()
    {
        TipWindow *window = m_window->ttSlideRed->tipWindow();
        movePointerOnto(m_window->Slide[0]);
        QTRY_VERIFY_WITH_TIMEOUT(window->isVisible(), 3000);
        QTest::qWait(100);
        const QRect area = window->geometry();
        QScreen *screen = QGuiApplication::primaryScreen();
        const QImage shown =
            screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
        movePointerTo(outside());
        QTRY_VERIFY(!window->isVisible());
        QTest::qWait(100);
        const QImage behind =
            screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();

        const QPoint corners[] = { { 0, 0 },
                                   { area.width() - 1, 0 },
                                   { 0, area.height() - 1 },
                                   { area.width() - 1, area.height() - 1 } };
        for (const QPoint &corner : corners)
            QCOMPARE(shown.pixelColor(corner), behind.pixelColor(corner));
        QCOMPARE(shown.pixelColor(QPoint(area.width() / 2, window->textRect().top() - 2)),
                 window->backgroundColour());
    }

    // The frame below the Tool Tips switch overlaps its lowest rows; a click anywhere on the
    // switch, its box or its caption, still turns the tips off.
    void toolTipsSwitchTakesClicksOverItsWholeRectangle_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("fromBottom");
        QTest::newRow("box, lowest row") << 6 << 1;
        QTest::newRow("box, third row from below") << 6 << 3;
        QTest::newRow("caption, lowest row") << 60 << 1;
        QTest::newRow("caption, middle") << 60 << 7;
    }

    void toolTipsSwitchTakesClicksOverItsWholeRectangle()
    {
        QFETCH(int, x);
        QFETCH(int, fromBottom);
        auto *check = m_window->Check1;
        QCOMPARE(check->value(), 1);
        movePointerOnto(check, QPoint(x, check->height() - fromBottom));
        QVERIFY(clickPointer());
        QTRY_COMPARE(check->value(), 0);
        QCOMPARE(check->text(), QStringLiteral("Tool Tips - (OFF)"));
    }

    // A tip may lie over other controls; the pointer's buttons and wheel reach them through
    // it, as through the desktop's own tips.
    void clicksAndWheelPassThroughATip_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("balloon");
        QTest::newRow("click on the Exit button, balloon") << "cmdExit" << 1 << true;
        QTest::newRow("click on the Exit button, rectangle") << "cmdExit" << 1 << false;
        QTest::newRow("click in a slider's trough") << "Slide(1)" << 1 << true;
        QTest::newRow("wheel over a slider") << "Slide(2)" << 5 << true;
    }

    void clicksAndWheelPassThroughATip()
    {
        QFETCH(QString, control);
        QFETCH(int, button);
        QFETCH(bool, balloon);
        auto *target = m_window->findChild<QWidget *>(control);
        QVERIFY(target);
        TipWindow tip;
        tip.setBalloon(balloon);
        tip.setBackgroundColour(Qt::yellow);
        tip.setTextColour(Qt::black);
        tip.setText(QStringLiteral("A tip that lies over the control beneath it"));
        // Hanging centred from just above the control's middle, the tip's body covers it.
        tip.showAt(target->mapToGlobal(
                       QPoint(target->width() / 2, target->height() / 2 - (balloon ? 20 : 6))),
                   true);
        QVERIFY(QTest::qWaitForWindowExposed(&tip));
        // In a slider's trough to the right of its handle, which stands at the left.
        const QPoint local(control.startsWith(QLatin1String("Slide")) ? target->width() * 3 / 4
                                                                      : target->width() / 2,
                           target->height() / 2);
        const QPoint global = target->mapToGlobal(local);
        QVERIFY(tip.outline().contains(QPointF(tip.mapFromGlobal(global))));

        auto *slider = qobject_cast<QScrollBar *>(target);
        const int valueBefore = slider ? slider->value() : 0;
        int clicks = 0;
        if (auto *pushButton = qobject_cast<QAbstractButton *>(target))
            connect(pushButton, &QAbstractButton::clicked, &tip, [&clicks] { ++clicks; });
        m_fake->answers = { platform::Answer::No };
        movePointerTo(global);
        QVERIFY(clickPointer(button));
        QVERIFY(tip.isVisible());
        if (slider)
            QTRY_VERIFY(slider->value() > valueBefore);
        else
            QTRY_COMPARE(clicks, 1);
    }

    // Near the screen's edges a tip moves inwards, wholly on the screen, and keeps clear of the
    // pointer.
    void tipNearTheScreensEdgeStaysOnIt_data()
    {
        QTest::addColumn<QPointF>("where"); // a fraction of the screen's width and height
        QTest::addColumn<bool>("balloon");
        QTest::addColumn<bool>("centred");
        const std::pair<const char *, QPointF> places[] = { { "right edge", { 1, 0.5 } },
                                                            { "bottom edge", { 0.5, 1 } },
                                                            { "bottom right", { 1, 1 } },
                                                            { "top left", { 0, 0 } } };
        for (const auto &[name, where] : places)
            for (bool balloon : { false, true })
                for (bool centred : { false, true })
                    QTest::addRow("%s, %s, %s", name, balloon ? "balloon" : "rectangle",
                                  centred ? "centred" : "at the pointer")
                        << where << balloon << centred;
    }

    void tipNearTheScreensEdgeStaysOnIt()
    {
        QFETCH(QPointF, where);
        QFETCH(bool, balloon);
        QFETCH(bool, centred);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint anchor = area.topLeft() +
            QPoint(qRound(where.x() * (area.width() - 1)), qRound(where.y() * (area.height() - 1)));
        TipWindow tip;
        tip.setBalloon(balloon);
        tip.setMaxTextWidth(150);
        tip.setText(QStringLiteral("A tip with a few words, wrapped\r\nover several lines"));
        tip.showAt(anchor, centred);
        QVERIFY(QTest::qWaitForWindowExposed(&tip));
        QVERIFY2(area.contains(tip.frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(tip.x())
                                .arg(tip.y())
                                .arg(tip.width())
                                .arg(tip.height())));
        if (!centred)
            QVERIFY(!tip.geometry().contains(anchor));
    }
};

SWATCHLY_TEST(TipsDisplayTest)
#include "TipsDisplayTest.moc"
