// The channel sliders on a real X server, where the clipboard is the desktop's and a
// clipboard manager records every write: a thumb drag writes it once, when the thumb is let go.
#include "chart/frmTintora.h"
#include "platform/controls/Slider.h"
#include "support/FakePlatform.h"
#include "support/RealDisplay.h"
#include "support/TestRegistry.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <memory>

using namespace swatchly;
using swatchly::test::FakePlatform;

namespace {

QRect partOf(const QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

} // namespace

class SlidersDisplayTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!test::onRealDisplay())
            QSKIP("needs a real X server (CTest runs this class under scripts/with-xvfb)");
    }

    void thumbDragWritesTheClipboardOnce()
    {
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        platform::Slider *red = window.Slide[0];
        red->setValue(0);
        QSignalSpy writes(QGuiApplication::clipboard(), &QClipboard::dataChanged);

        // One arrow click: the value and the clipboard change at once.
        const QPoint arrow = partOf(red, QStyle::SC_ScrollBarAddLine).center();
        QTest::mouseClick(red, Qt::LeftButton, {}, arrow);
        QTRY_COMPARE(red->value(), 1);
        QTRY_VERIFY(writes.count() > 0);
        const int perChange = static_cast<int>(writes.count());
        QTest::qWait(100);
        QCOMPARE(writes.count(), perChange);
        writes.clear();

        // A drag across most of the trough: nothing changes until the thumb is let go.
        const QPoint start = partOf(red, QStyle::SC_ScrollBarSlider).center();
        QTest::mousePress(red, Qt::LeftButton, {}, start);
        for (int dx = 4; dx <= 120; dx += 4)
            QTest::mouseMove(red, start + QPoint(dx, 0));
        QTest::qWait(100);
        QCOMPARE(red->value(), 1);
        QVERIFY(red->sliderPosition() > 100);
        QCOMPARE(writes.count(), 0);
        QTest::mouseRelease(red, Qt::LeftButton, {}, start + QPoint(120, 0));
        QTRY_COMPARE(red->value(), red->sliderPosition());
        QTest::qWait(100);
        QCOMPARE(writes.count(), perChange);
        QCOMPARE(window.lblRGB[0]->caption(), QString::number(red->value()));
        // The one write holds the final mix.
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("\"#%1\"").arg(window.lblSlide->caption().mid(11, 6)));
    }
};

SWATCHLY_TEST(SlidersDisplayTest)
#include "SlidersDisplayTest.moc"
