// Mixing a colour with the three channel sliders: the preview strip, its contrast rule, the
// value labels, and the sliders following the current colour.
#include "chart/frmTintora.h"
#include "platform/controls/Slider.h"
#include "platform/services/Clipboard.h"
#include "support/FakePlatform.h"
#include "support/TestRegistry.h"
#include "support/WindowContents.h"

#include <QSignalSpy>
#include <QTest>

using namespace swatchly;
using swatchly::test::FakePlatform;
using swatchly::test::sliders;

namespace {

constexpr ColourValue White = 0xFFFFFF;
constexpr ColourValue Black = 0x000000;

QStringList valueLabels(const frmTintora &window)
{
    return { window.lblRGB[0]->caption(), window.lblRGB[1]->caption(),
             window.lblRGB[2]->caption() };
}

// Moves a slider's thumb to a position as a drag does.
void drag(platform::Slider *slider, int position)
{
    slider->setSliderPosition(position);
    slider->triggerAction(QAbstractSlider::SliderMove);
}

} // namespace

class SlidersTest : public QObject
{
    Q_OBJECT

private slots:
    void previewTextColourFollowsTheContrastRule_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("b");
        QTest::addColumn<ColourValue>("text");
        QTest::addColumn<QString>("caption");

        QTest::newRow("yellow: 255 AND 255 above 240")
            << 255 << 255 << 0 << Black << "Hex Value (FFFF00)";
        QTest::newRow("242 AND 241 is 240, not above")
            << 242 << 241 << 0 << White << "Hex Value (F2F100)";
        QTest::newRow("255 AND 241 is 241") << 255 << 241 << 0 << Black << "Hex Value (FFF100)";
        QTest::newRow("240 AND 255 is 240") << 240 << 255 << 0 << White << "Hex Value (F0FF00)";
        QTest::newRow("blue 199") << 0 << 0 << 199 << White << "Hex Value (0000C7)";
        QTest::newRow("blue 200") << 0 << 0 << 200 << Black << "Hex Value (0000C8)";
        QTest::newRow("blue 200 with red and green that share no high bits")
            << 170 << 85 << 255 << Black << "Hex Value (AA55FF)";
        QTest::newRow("white") << 255 << 255 << 255 << Black << "Hex Value (FFFFFF)";
        QTest::newRow("black") << 0 << 0 << 0 << White << "Hex Value (000000)";
        QTest::newRow("orange") << 255 << 128 << 0 << White << "Hex Value (FF8000)";
    }

    void previewTextColourFollowsTheContrastRule()
    {
        QFETCH(int, r);
        QFETCH(int, g);
        QFETCH(int, b);
        QFETCH(ColourValue, text);
        QFETCH(QString, caption);

        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        window.show();
        // Start from the opposite contrast so that the rule has to choose.
        drag(window.Slide[0], 0);
        drag(window.Slide[1], 0);
        drag(window.Slide[2], text == White ? 255 : 0);
        drag(window.Slide[0], text == White ? 255 : 0);
        drag(window.Slide[1], text == White ? 255 : 0);
        QCOMPARE(window.lblSlide->foreColor(), text == White ? Black : White);

        drag(window.Slide[0], r);
        drag(window.Slide[1], g);
        drag(window.Slide[2], b);

        QCOMPARE(window.lblSlide->foreColor(), text);
        QCOMPARE(window.lblSlide->caption(), caption);
        QCOMPARE(window.lblSlide->backColor(), RGB(r, g, b));
        QCOMPARE(window.currentColour(), RGB(r, g, b));
        QCOMPARE(valueLabels(window),
                 (QStringList { QString::number(r), QString::number(g), QString::number(b) }));
        QCOMPARE(platform::clipboardText(), QStringLiteral("\"#%1\"").arg(caption.mid(11, 6)));
    }

    void movingGreenAloneRewritesOnlyItsLabel()
    {
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        window.show();
        // Chart box 0 is red 255: the sliders stand at 255, 0, 0.
        QCOMPARE(sliders(window), (QList<int> { 255, 0, 0 }));
        // Marks that only a rewrite of a label would remove.
        window.lblRGB[0]->setCaption(QStringLiteral("red mark"));
        window.lblRGB[2]->setCaption(QStringLiteral("blue mark"));

        drag(window.Slide[1], 128);

        QCOMPARE(window.currentColour(), 0x0080FF);
        QCOMPARE(valueLabels(window), (QStringList { "red mark", "128", "blue mark" }));
        QCOMPARE(window.lblSlide->caption(), QStringLiteral("Hex Value (FF8000)"));
        QCOMPARE(window.lblSlide->backColor(), 0x0080FF);
        QCOMPARE(window.txtHexValue->text(), QStringLiteral("FF8000\r\nHex Value"));
        QCOMPARE(window.txtDecValue->text(), QStringLiteral("33023\r\nDecimal Value"));
        QCOMPARE(window.txtColValue[1]->text(), QStringLiteral("128"));
        QCOMPARE(window.txtColValue[4]->text(), QStringLiteral("80"));
        QCOMPARE(platform::clipboardText(), QStringLiteral("\"#FF8000\""));
        QCOMPARE(sliders(window), (QList<int> { 255, 128, 0 }));
    }

    void arrowStepsOneAndTroughSixteen_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::newRow("right arrow") << int(QAbstractSlider::SliderSingleStepAdd) << 100 << 101;
        QTest::newRow("left arrow") << int(QAbstractSlider::SliderSingleStepSub) << 100 << 99;
        QTest::newRow("trough right") << int(QAbstractSlider::SliderPageStepAdd) << 100 << 116;
        QTest::newRow("trough left") << int(QAbstractSlider::SliderPageStepSub) << 100 << 84;
        QTest::newRow("trough right near the end")
            << int(QAbstractSlider::SliderPageStepAdd) << 250 << 255;
        QTest::newRow("left arrow at 0") << int(QAbstractSlider::SliderSingleStepSub) << 0 << 0;
    }

    void arrowStepsOneAndTroughSixteen()
    {
        QFETCH(int, action);
        QFETCH(int, start);
        QFETCH(int, end);

        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        window.show();
        drag(window.Slide[2], start);
        QCOMPARE(window.Slide[2]->value(), start);
        QSignalSpy reactions(window.Slide[2], &platform::Slider::changed);

        window.Slide[2]->triggerAction(static_cast<QAbstractSlider::SliderAction>(action));

        QCOMPARE(reactions.size(), start == end ? 0 : 1);
        QCOMPARE(window.Slide[2]->value(), end);
        QCOMPARE(window.lblRGB[2]->caption(), QString::number(end));
        QCOMPARE(window.currentColour(), RGB(255, 0, end));
        QCOMPARE(window.txtColValue[2]->text(), QString::number(end));
        QCOMPARE(platform::clipboardText(),
                 QStringLiteral("\"#FF00%1\"").arg(end, 2, 16, QLatin1Char('0')).toUpper());
    }

    void slidersFollowAChartClick_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<int>>("channels");
        QTest::addColumn<ColourValue>("text");
        QTest::newRow("orange, one slider moves") << 1 << QList<int> { 255, 128, 0 } << White;
        QTest::newRow("dodger blue, all three move") << 21 << QList<int> { 30, 144, 255 } << Black;
        QTest::newRow("black") << 20 << QList<int> { 0, 0, 0 } << White;
        QTest::newRow("white") << 14 << QList<int> { 255, 255, 255 } << Black;
    }

    void slidersFollowAChartClick()
    {
        QFETCH(int, index);
        QFETCH(QList<int>, channels);
        QFETCH(ColourValue, text);

        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *box = window.Picture1[static_cast<std::size_t>(index)];
        QTest::mouseClick(box, Qt::LeftButton);

        const ColourValue colour = RGB(channels[0], channels[1], channels[2]);
        QCOMPARE(box->backColor(), colour);
        QCOMPARE(sliders(window), channels);
        QCOMPARE(valueLabels(window),
                 (QStringList { QString::number(channels[0]), QString::number(channels[1]),
                                QString::number(channels[2]) }));
        QCOMPARE(window.lblSlide->backColor(), colour);
        QCOMPARE(window.lblSlide->foreColor(), text);
        QCOMPARE(window.lblSlide->caption(),
                 QStringLiteral("Hex Value (%1)")
                     .arg(QString::fromStdString(modChromel::ColorToHex(colour))));
        QCOMPARE(window.currentColour(), colour);
    }

    void choosingTheColourTheSlidersHoldRunsNoReaction()
    {
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy red(window.Slide[0], &platform::Slider::changed);
        QSignalSpy green(window.Slide[1], &platform::Slider::changed);
        QSignalSpy blue(window.Slide[2], &platform::Slider::changed);
        window.lblSlide->setCaption(QStringLiteral("preview mark"));

        QTest::mouseClick(window.Picture1[0], Qt::LeftButton);

        QCOMPARE(red.size() + green.size() + blue.size(), 0);
        QCOMPARE(window.lblSlide->caption(), QStringLiteral("preview mark"));
        QCOMPARE(window.currentColour(), RGB(255, 0, 0));
    }

    void selectButtonCopiesThePreviewIntoTheCurrentColour()
    {
        // An empty box whose channels the sliders already hold leaves the current colour at the
        // button-face value while the preview shows the plain colour red 15.
        FakePlatform fake;
        fake.copyShippedData();
        QByteArray user = "\"\"\r\n\"0F0000\"\r\n";
        for (int i = 2; i < 14; ++i)
            user += "\"123456\"\r\n";
        fake.writeFile(QStringLiteral("UserDefColors.col"), user);
        frmTintora fresh(fake);
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        QTest::mouseClick(fresh.Picture1[22], Qt::LeftButton);
        QTest::mouseClick(fresh.Picture1[21], Qt::LeftButton);
        QCOMPARE(fresh.currentColour(), ButtonFace);
        QCOMPARE(fresh.lblSlide->backColor(), RGB(15, 0, 0));
        fresh.txtColValue[0]->setText(QStringLiteral("99"));

        QTest::mouseClick(fresh.cmdSlideSel, Qt::LeftButton);

        QCOMPARE(fresh.currentColour(), RGB(15, 0, 0));
        QCOMPARE(fresh.txtDecValue->text(), QStringLiteral("15\r\nDecimal Value"));
        QCOMPARE(fresh.txtHexValue->text(), QStringLiteral("0F0000\r\nHex Value"));
        // The channel boxes and the sliders are not rewritten.
        QCOMPARE(fresh.txtColValue[0]->text(), QStringLiteral("99"));
        QCOMPARE(sliders(fresh), (QList<int> { 15, 0, 0 }));
    }

    void selectButtonRefreshesTheDisplaysWhenNothingChanged()
    {
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.txtHexValue->selectAll();
        QTest::keyClicks(window.txtHexValue, QStringLiteral("typed"));
        QCOMPARE(platform::clipboardText(), QStringLiteral("\"#typed\""));

        QTest::mouseClick(window.cmdSlideSel, Qt::LeftButton);

        QCOMPARE(window.currentColour(), RGB(255, 0, 0));
        QCOMPARE(window.txtHexValue->text(), QStringLiteral("FF0000\r\nHex Value"));
        QCOMPARE(platform::clipboardText(), QStringLiteral("\"#FF0000\""));
    }
};

SWATCHLY_TEST(SlidersTest)
#include "SlidersTest.moc"
