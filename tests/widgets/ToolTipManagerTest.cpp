// The tip manager: its properties, its tools, and tips that show when the pointer rests.
#include "support/TestRegistry.h"
#include "widgets/TipWindow.h"
#include "widgets/cToolTip.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>

#include <cstdlib>
#include <map>
#include <memory>

using namespace swatchly;

namespace {

// A shown window with one tool in it, well away from the window's edges.
struct Host
{
    Host()
    {
        window.setObjectName(QStringLiteral("host"));
        window.resize(300, 200);
        tool = new QLabel(QStringLiteral("tool"), &window);
        tool->setObjectName(QStringLiteral("tool"));
        tool->setGeometry(60, 50, 120, 60);
        window.move(100, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Start from outside the tool so that the next move onto it enters it.
        QTest::mouseMove(&window, QPoint(5, 5));
    }

    void rest(const QPoint &at = QPoint(30, 20)) { QTest::mouseMove(tool, at); }
    void leave() { QTest::mouseMove(&window, QPoint(5, 5)); }

    QWidget window;
    QLabel *tool = nullptr;
};

bool showing(const cToolTip &tip)
{
    return tip.tipWindow() && tip.tipWindow()->isVisible();
}

// A fast manager for the hover tests.
void makeQuick(cToolTip &tip, int visibleTime = 20000)
{
    tip.setDelayTime(50);
    tip.setVisibleTime(visibleTime);
}

int colourDistance(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
        std::abs(a.blue() - b.blue());
}

} // namespace

class ToolTipManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void constructorAppliesDefaultsToTheTipWindow()
    {
        cToolTip tip;
        QCOMPARE(tip.Style(), 1);
        QCOMPARE(tip.TipWidth(), 300);
        QCOMPARE(tip.BkColor(), 0xEEFFFF);
        QCOMPARE(tip.TxtColor(), 0);
        QCOMPARE(tip.DelayTime(), 500);
        QCOMPARE(tip.VisibleTime(), 2000);

        TipWindow *window = tip.tipWindow();
        QVERIFY(window);
        QVERIFY(!window->isVisible());
        QVERIFY(!window->isBalloon());
        QCOMPARE(window->maxTextWidth(), 300);
        QCOMPARE(window->backgroundColour(), QColor(255, 255, 238));
        QCOMPARE(window->textColour(), QColor(0, 0, 0));
        QVERIFY(window->windowFlags().testFlag(Qt::ToolTip));
        QVERIFY(window->testAttribute(Qt::WA_ShowWithoutActivating));
    }

    void getterReturnsLastValueSet_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("withTipWindow");
        for (bool withWindow : { true, false }) {
            const char *suffix = withWindow ? "" : " without tip window";
            for (const char *property :
                 { "TipWidth", "DelayTime", "VisibleTime", "BkColor", "TxtColor", "Style" }) {
                for (int value : { 0, -1, 75, 0x00FFFF, 20000 })
                    QTest::addRow("%s %d%s", property, value, suffix)
                        << QString::fromLatin1(property) << value << withWindow;
            }
        }
    }

    void getterReturnsLastValueSet()
    {
        QFETCH(QString, property);
        QFETCH(int, value);
        QFETCH(bool, withTipWindow);
        cToolTip tip;
        if (!withTipWindow) {
            delete tip.tipWindow();
            QVERIFY(!tip.tipWindow());
        }
        struct Access
        {
            void (cToolTip::*set)(int);
            int (cToolTip::*get)() const;
        };
        const std::map<QString, Access> access {
            { QStringLiteral("TipWidth"), { &cToolTip::setTipWidth, &cToolTip::TipWidth } },
            { QStringLiteral("DelayTime"), { &cToolTip::setDelayTime, &cToolTip::DelayTime } },
            { QStringLiteral("VisibleTime"),
              { &cToolTip::setVisibleTime, &cToolTip::VisibleTime } },
            { QStringLiteral("BkColor"), { &cToolTip::setBkColor, &cToolTip::BkColor } },
            { QStringLiteral("TxtColor"), { &cToolTip::setTxtColor, &cToolTip::TxtColor } },
            { QStringLiteral("Style"), { &cToolTip::setStyle, &cToolTip::Style } },
        };
        const Access &a = access.at(property);
        (tip.*a.set)(12345);
        (tip.*a.set)(value);
        QCOMPARE((tip.*a.get)(), value);
    }

    void styleSwitchesBetweenBalloonAndStandard()
    {
        cToolTip tip;
        TipWindow *window = tip.tipWindow();
        tip.setStyle(2);
        QVERIFY(window->isBalloon());
        tip.setStyle(1);
        QVERIFY(!window->isBalloon());
        tip.setStyle(1);
        QVERIFY(!window->isBalloon());

        // Any other value is kept but leaves the shape as it was.
        tip.setStyle(3);
        QCOMPARE(tip.Style(), 3);
        QVERIFY(!window->isBalloon());
        tip.setStyle(2);
        tip.setStyle(3);
        QCOMPARE(tip.Style(), 3);
        QVERIFY(window->isBalloon());
        tip.setStyle(0);
        QVERIFY(window->isBalloon());
    }

    void withoutTipWindowTheMethodsDoNothing()
    {
        QLabel tool;
        cToolTip tip;
        delete tip.tipWindow();
        tip.setStyle(2);
        tip.setBkColor(0xFF);
        tip.SetToolTipObj(&tool, QStringLiteral("text"), false);
        tip.SetToolTipItem(&tool, 0, 0, 0, 5, 5, QStringLiteral("item"), false);
        tip.AjustItemRect(&tool, 0, 1, 1, 6, 6);
        tip.DelToolTip(&tool, -1);
        QCOMPARE(tip.tipCount(), 0);
        QVERIFY(tip.tipText(&tool).isEmpty());
        QVERIFY(!tool.hasMouseTracking());
    }

    void attachingAgainReplacesTheText()
    {
        QLabel tool;
        cToolTip tip;
        tip.SetToolTipObj(&tool, QStringLiteral("first"), false);
        tip.SetToolTipObj(&tool, QStringLiteral("second"), true);
        QCOMPARE(tip.tipCount(), 1);
        QCOMPARE(tip.tipText(&tool), QStringLiteral("second"));
        QVERIFY(tip.isCentred(&tool));
    }

    void emptyTextTakesTheTipAway()
    {
        Host host;
        cToolTip tip;
        makeQuick(tip);
        tip.SetToolTipObj(host.tool, QStringLiteral("text"), false);
        tip.SetToolTipObj(host.tool, QString(), false);
        QCOMPARE(tip.tipCount(), 0);
        QVERIFY(tip.tipText(host.tool).isEmpty());

        host.rest();
        QTest::qWait(250);
        QVERIFY(!showing(tip));
    }

    void delToolTipRemovesWindowTipOrNumberedRectangle()
    {
        QLabel tool;
        cToolTip tip;
        tip.SetToolTipObj(&tool, QStringLiteral("whole"), false);
        tip.SetToolTipItem(&tool, 0, 0, 0, 10, 10, QStringLiteral("rect 0"), false);
        tip.SetToolTipItem(&tool, 1, 10, 0, 20, 10, QStringLiteral("rect 1"), false);
        QCOMPARE(tip.tipCount(), 3);

        tip.DelToolTip(&tool, 0);
        QCOMPARE(tip.tipCount(), 2);
        QVERIFY(tip.itemText(&tool, 0).isEmpty());
        QCOMPARE(tip.tipText(&tool), QStringLiteral("whole"));
        QCOMPARE(tip.itemText(&tool, 1), QStringLiteral("rect 1"));

        tip.DelToolTip(&tool, -1);
        QCOMPARE(tip.tipCount(), 1);
        QVERIFY(tip.tipText(&tool).isEmpty());
        QCOMPARE(tip.itemText(&tool, 1), QStringLiteral("rect 1"));

        tip.DelToolTip(&tool, 1);
        QCOMPARE(tip.tipCount(), 0);
        // With no tip left the widget is no longer watched.
        QVERIFY(!tool.hasMouseTracking());
    }

    void ajustItemRectMovesOnlyAnExistingRectangle()
    {
        QLabel tool;
        cToolTip tip;
        tip.SetToolTipItem(&tool, 3, 0, 0, 10, 10, QStringLiteral("three"), false);
        QCOMPARE(tip.itemRect(&tool, 3), QRect(0, 0, 10, 10));
        tip.AjustItemRect(&tool, 3, 20, 5, 40, 25);
        QCOMPARE(tip.itemRect(&tool, 3), QRect(20, 5, 20, 20));
        QCOMPARE(tip.itemText(&tool, 3), QStringLiteral("three"));

        tip.AjustItemRect(&tool, 7, 0, 0, 5, 5);
        QCOMPARE(tip.tipCount(), 1);
        QVERIFY(tip.itemRect(&tool, 7).isNull());
    }

    void tipShowsAfterRestingAndGoesAfterVisibleTime()
    {
        Host host;
        cToolTip tip;
        tip.setDelayTime(200);
        tip.setVisibleTime(500);
        tip.SetToolTipObj(host.tool, QStringLiteral("Hello"), false);

        QElapsedTimer clock;
        clock.start();
        host.rest();
        QVERIFY(!showing(tip));
        QTRY_VERIFY(showing(tip));
        QVERIFY(clock.elapsed() >= 190);
        QCOMPARE(tip.tipWindow()->text(), QStringLiteral("Hello"));
        QCOMPARE(tip.tipWindow()->lines(), QStringList { QStringLiteral("Hello") });

        QTRY_VERIFY(!showing(tip));
        QVERIFY(clock.elapsed() >= 690);
        // It stays away while the pointer rests on, and comes back after leaving and
        // entering again.
        host.rest(QPoint(35, 22));
        QTest::qWait(200);
        QVERIFY(!showing(tip));
        host.leave();
        host.rest();
        QTRY_VERIFY(showing(tip));
    }

    void leavingOrPressingHidesTheTip_data()
    {
        QTest::addColumn<bool>("press");
        QTest::newRow("leave") << false;
        QTest::newRow("press") << true;
    }

    void leavingOrPressingHidesTheTip()
    {
        QFETCH(bool, press);
        Host host;
        cToolTip tip;
        makeQuick(tip);
        tip.SetToolTipObj(host.tool, QStringLiteral("Hello"), false);
        host.rest();
        QTRY_VERIFY(showing(tip));
        if (press)
            QTest::mousePress(host.tool, Qt::LeftButton, {}, QPoint(30, 20));
        else
            host.leave();
        QVERIFY(!showing(tip));
        QTest::qWait(200);
        QVERIFY(!showing(tip));
        if (press)
            QTest::mouseRelease(host.tool, Qt::LeftButton, {}, QPoint(30, 20));
    }

    void rectangleTipShowsInsideItsRectangleOnly()
    {
        Host host;
        cToolTip tip;
        makeQuick(tip);
        tip.SetToolTipItem(host.tool, 0, 0, 0, 40, 40, QStringLiteral("corner"), false);
        tip.SetToolTipObj(host.tool, QStringLiteral("whole"), false);

        host.rest(QPoint(20, 20));
        QTRY_VERIFY(showing(tip));
        QCOMPARE(tip.tipWindow()->text(), QStringLiteral("corner"));

        host.rest(QPoint(80, 20));
        QTRY_COMPARE(tip.tipWindow()->text(), QStringLiteral("whole"));
        QTRY_VERIFY(showing(tip));

        // Moved away from the pointer, the rectangle no longer holds it.
        tip.DelToolTip(host.tool, -1);
        QVERIFY(!showing(tip));
        host.rest(QPoint(20, 20));
        QTRY_VERIFY(showing(tip));
        tip.AjustItemRect(host.tool, 0, 60, 0, 100, 40);
        QVERIFY(!showing(tip));
        QTest::qWait(200);
        QVERIFY(!showing(tip));
    }

    void tipLooksAsItsProperties_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<ColourValue>("background");
        QTest::addColumn<ColourValue>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QColor>("backgroundShown");
        QTest::addColumn<QColor>("textShown");
        // Colour values carry red in the low byte.
        QTest::newRow("standard pale yellow") << 1 << ColourValue(0xEEFFFF) << ColourValue(0) << 300
                                              << QColor(255, 255, 238) << QColor(0, 0, 0);
        QTest::newRow("balloon red on yellow")
            << 2 << ColourValue(0x0000FF) << ColourValue(0x00FFFF) << 75 << QColor(255, 0, 0)
            << QColor(255, 255, 0);
        QTest::newRow("balloon white on blue")
            << 2 << ColourValue(0xFF0000) << ColourValue(0xFFFFFF) << 50 << QColor(0, 0, 255)
            << QColor(255, 255, 255);
        QTest::newRow("standard narrow") << 1 << ColourValue(0x00FF00) << ColourValue(0) << 60
                                         << QColor(0, 255, 0) << QColor(0, 0, 0);
    }

    void tipLooksAsItsProperties()
    {
        QFETCH(int, style);
        QFETCH(ColourValue, background);
        QFETCH(ColourValue, text);
        QFETCH(int, width);
        QFETCH(QColor, backgroundShown);
        QFETCH(QColor, textShown);

        Host host;
        cToolTip tip;
        makeQuick(tip);
        tip.setBkColor(background);
        tip.setTxtColor(text);
        tip.setTipWidth(width);
        tip.setStyle(style);
        const QString words = QStringLiteral(
            "You can change the color of the 'Users Special Color' Boxes at any Time, and "
            "the Users Special Colors are saved when any changes occur.");
        tip.SetToolTipObj(host.tool, words, false);
        host.rest();
        QTRY_VERIFY(showing(tip));

        TipWindow *window = tip.tipWindow();
        QCOMPARE(window->isBalloon(), style == 2);
        QCOMPARE(window->backgroundColour(), backgroundShown);
        QCOMPARE(window->textColour(), textShown);

        // Every line fits the width, and the words are all there in their order.
        const QFontMetrics metrics(window->font());
        QVERIFY(window->lines().size() > 1);
        QVERIFY(window->textWidth() <= width);
        for (const QString &line : window->lines())
            QVERIFY2(metrics.horizontalAdvance(line) <= width, qPrintable(line));
        // (a word wider than the tip breaks inside itself)
        QCOMPARE(window->lines().join(QString()).remove(QLatin1Char(' ')),
                 QString(words).remove(QLatin1Char(' ')));

        const QImage shown = window->grab().toImage();
        const QRect textArea = window->textRect();
        QVERIFY(window->outline().contains(QRectF(textArea)));
        const QColor padding = shown.pixelColor(textArea.left() - 3, textArea.center().y());
        QCOMPARE(padding.rgb(), backgroundShown.rgb());
        // Some pixels of the text area are drawn in the text's colour.
        bool textDrawn = false;
        for (int y = textArea.top(); y <= textArea.bottom() && !textDrawn; ++y)
            for (int x = textArea.left(); x <= textArea.right() && !textDrawn; ++x)
                textDrawn = colourDistance(shown.pixelColor(x, y), textShown) <
                    colourDistance(shown.pixelColor(x, y), backgroundShown);
        QVERIFY(textDrawn);

        // The balloon's window is cut to its shape, corners left out; the rectangle fills
        // the whole window.
        if (style == 2) {
            QVERIFY(!window->mask().contains(QPoint(0, 0)));
            QVERIFY(window->mask().contains(textArea));
            QVERIFY(!window->outline().contains(QPointF(0.5, 0.5)));
        } else {
            QVERIFY(window->mask().isEmpty());
            QVERIFY(window->outline().contains(QPointF(0.5, 0.5)));
        }
    }

    void lineBreaksAndAmpersandsShowAsWritten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("several lines")
            << QStringLiteral("one\r\ntwo\r\nthree")
            << QStringList { QStringLiteral("one"), QStringLiteral("two"),
                             QStringLiteral("three") };
        QTest::newRow("two breaks give an empty line")
            << QStringLiteral("one\r\n\r\ntwo")
            << QStringList { QStringLiteral("one"), QString(), QStringLiteral("two") };
        QTest::newRow("three breaks give two empty lines")
            << QStringLiteral("a\r\n\r\n\r\nb")
            << QStringList { QStringLiteral("a"), QString(), QString(), QStringLiteral("b") };
        QTest::newRow("ampersand") << QStringLiteral("Black & White &Red &&")
                                   << QStringList { QStringLiteral("Black & White &Red &&") };
        QTest::newRow("leading blanks kept")
            << QStringLiteral("   Just Show") << QStringList { QStringLiteral("   Just Show") };
    }

    void lineBreaksAndAmpersandsShowAsWritten()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        Host host;
        cToolTip tip;
        makeQuick(tip);
        tip.SetToolTipObj(host.tool, text, false);
        host.rest();
        QTRY_VERIFY(showing(tip));
        QCOMPARE(tip.tipWindow()->lines(), lines);
        QCOMPARE(tip.tipWindow()->text(), text);
        const int lineSpacing = QFontMetrics(tip.tipWindow()->font()).lineSpacing();
        QCOMPARE(tip.tipWindow()->textRect().height(), lines.size() * lineSpacing);
    }

    void longWordsWrapToo()
    {
        Host host;
        cToolTip tip;
        makeQuick(tip);
        tip.setTipWidth(50);
        const QString word = QStringLiteral("Supercalifragilisticexpialidocious");
        tip.SetToolTipObj(host.tool, word, false);
        host.rest();
        QTRY_VERIFY(showing(tip));
        const QStringList lines = tip.tipWindow()->lines();
        QVERIFY(lines.size() > 1);
        QCOMPARE(lines.join(QString()), word);
        const QFontMetrics metrics(tip.tipWindow()->font());
        for (const QString &line : lines)
            QVERIFY2(metrics.horizontalAdvance(line) <= 50, qPrintable(line));
    }

    void propertiesChangeATipThatShows()
    {
        Host host;
        cToolTip tip;
        makeQuick(tip);
        tip.setStyle(2);
        tip.SetToolTipObj(host.tool, QStringLiteral("Colors, colors and more colors..."), false);
        host.rest();
        QTRY_VERIFY(showing(tip));
        TipWindow *window = tip.tipWindow();
        const int wideLines = static_cast<int>(window->lines().size());

        tip.setBkColor(0x00FF00);
        QCOMPARE(window->backgroundColour(), QColor(0, 255, 0));
        const QImage shown = window->grab().toImage();
        QCOMPARE(
            shown.pixelColor(window->textRect().left() - 3, window->textRect().center().y()).rgb(),
            QColor(0, 255, 0).rgb());

        tip.setTipWidth(50);
        QVERIFY(window->lines().size() > wideLines);
        QVERIFY(window->width() < 50 + 40);

        tip.setStyle(1);
        QVERIFY(!window->isBalloon());
        QVERIFY(showing(tip));

        // A new text for the tool shows at once.
        tip.SetToolTipObj(host.tool, QStringLiteral("other"), false);
        QCOMPARE(window->text(), QStringLiteral("other"));
    }

    void bkColorChangeRecoloursTipsAttachedEarlier()
    {
        Host host;
        cToolTip tip;
        makeQuick(tip);
        tip.SetToolTipObj(host.tool, QStringLiteral("early"), false);
        tip.setBkColor(0x0000FF);
        host.rest();
        QTRY_VERIFY(showing(tip));
        TipWindow *window = tip.tipWindow();
        const QImage shown = window->grab().toImage();
        QCOMPARE(
            shown.pixelColor(window->textRect().left() - 3, window->textRect().center().y()).rgb(),
            QColor(255, 0, 0).rgb());
    }

    void tipPlacement_data()
    {
        QTest::addColumn<bool>("centred");
        QTest::addColumn<int>("style");
        QTest::newRow("near the pointer, standard") << false << 1;
        QTest::newRow("near the pointer, balloon") << false << 2;
        QTest::newRow("centred, standard") << true << 1;
        QTest::newRow("centred, balloon") << true << 2;
    }

    void tipPlacement()
    {
        QFETCH(bool, centred);
        QFETCH(int, style);
        Host host;
        cToolTip tip;
        makeQuick(tip);
        tip.setStyle(style);
        tip.SetToolTipObj(host.tool, QStringLiteral("placed"), centred);
        const QPoint pointer(30, 20);
        host.rest(pointer);
        QTRY_VERIFY(showing(tip));
        TipWindow *window = tip.tipWindow();
        const QRect shown = window->geometry();
        const QRect tool(host.tool->mapToGlobal(QPoint(0, 0)), host.tool->size());
        if (centred) {
            QCOMPARE(window->anchor(), QPoint(tool.center().x(), tool.bottom() + 1));
            QVERIFY(std::abs(shown.center().x() - tool.center().x()) <= 1);
            QVERIFY(shown.top() >= tool.bottom());
        } else {
            const QPoint at = host.tool->mapToGlobal(pointer);
            QCOMPARE(window->anchor(), at);
            QVERIFY(shown.top() >= at.y());
            QVERIFY(std::abs(shown.left() - at.x()) <= 30);
        }
        const QPoint local = window->mapFromGlobal(window->anchor());
        if (style == 2 && centred) {
            // The triangle's point sits on the anchor.
            QVERIFY(window->outline().contains(QPointF(local.x() + 0.5, local.y() + 1.5)));
        } else if (style == 2) {
            // The triangle points up at the pointer from below its picture.
            QVERIFY(window->outline().contains(QPointF(local.x() + 0.5, 1.5)));
        }
        // Near the pointer no tip lies under it: the tool keeps the pointer.
        if (!centred)
            QVERIFY(!window->rect().contains(local));
    }

    void tipShowsWhileItsWindowIsNotActive()
    {
        Host host;
        QWidget other;
        other.setGeometry(500, 400, 100, 100);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!host.window.isActiveWindow());

        cToolTip tip;
        makeQuick(tip);
        tip.SetToolTipObj(host.tool, QStringLiteral("inactive"), false);
        host.rest();
        QTRY_VERIFY(showing(tip));
        QVERIFY(other.isActiveWindow());
    }

    void toolDestroyedFirstLeavesTheManagerUsable()
    {
        Host host;
        cToolTip tip;
        makeQuick(tip);
        auto *doomed = new QLabel(QStringLiteral("doomed"), &host.window);
        doomed->setGeometry(200, 120, 60, 40);
        doomed->show();
        tip.SetToolTipObj(doomed, QStringLiteral("going"), false);
        tip.SetToolTipObj(host.tool, QStringLiteral("staying"), false);
        QTest::mouseMove(doomed, QPoint(10, 10));
        QTRY_VERIFY(showing(tip));

        delete doomed;
        QVERIFY(!showing(tip));
        QCOMPARE(tip.tipCount(), 1);
        tip.setBkColor(0xFF);
        host.rest();
        QTRY_VERIFY(showing(tip));
        QCOMPARE(tip.tipWindow()->text(), QStringLiteral("staying"));
    }

    void managerDestroyedFirstLeavesTheToolAsItWas()
    {
        Host host;
        QVERIFY(!host.tool->hasMouseTracking());
        QPointer<TipWindow> window;
        {
            cToolTip tip;
            makeQuick(tip);
            tip.SetToolTipObj(host.tool, QStringLiteral("short-lived"), false);
            window = tip.tipWindow();
            host.rest();
            QTRY_VERIFY(showing(tip));
        }
        QVERIFY(!window);
        QVERIFY(!host.tool->hasMouseTracking());
        host.leave();
        host.rest();
        QTest::qWait(100);
    }

    void eachManagerShowsItsOwnLook()
    {
        Host host;
        auto *second = new QLabel(QStringLiteral("second"), &host.window);
        second->setGeometry(200, 120, 60, 40);
        second->show();
        cToolTip red;
        cToolTip blue;
        makeQuick(red);
        makeQuick(blue);
        red.setBkColor(0x0000FF);
        blue.setBkColor(0xFF0000);
        blue.setStyle(2);
        red.SetToolTipObj(host.tool, QStringLiteral("red"), false);
        blue.SetToolTipObj(second, QStringLiteral("blue"), false);
        QVERIFY(red.tipWindow() != blue.tipWindow());

        host.rest();
        QTRY_VERIFY(showing(red));
        QVERIFY(!showing(blue));
        QTest::mouseMove(second, QPoint(10, 10));
        QTRY_VERIFY(showing(blue));
        QVERIFY(!showing(red));
        QCOMPARE(blue.tipWindow()->text(), QStringLiteral("blue"));
        QVERIFY(blue.tipWindow()->isBalloon());
        QVERIFY(!red.tipWindow()->isBalloon());
    }
};

SWATCHLY_TEST(ToolTipManagerTest)
#include "ToolTipManagerTest.moc"
