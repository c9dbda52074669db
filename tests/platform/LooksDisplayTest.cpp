// What the three windows look like on a real X server with the desktop's own fonts: every
// caption shows whole in its rectangle, and every text stays readable under a light and a
// dark palette.
#include "chart/frmTintora.h"
#include "commands/frmSendEmail.h"
#include "platform/services/Translations.h"
#include "schemes/frmSavetxt.h"
#include "support/FakePlatform.h"
#include "support/RealDisplay.h"
#include "support/TestRegistry.h"
#include "widgets/TipWindow.h"
#include "widgets/cToolTip.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <map>
#include <memory>

using namespace swatchly;
using swatchly::test::FakePlatform;

namespace {

struct Windows
{
    Windows()
    {
        fake.copyShippedData();
        main = std::make_unique<frmTintora>(fake);
        scheme = std::make_unique<frmSavetxt>(*main);
        email = std::make_unique<frmSendEmail>(fake);
        for (QWidget *window : all()) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
        }
    }

    std::vector<QWidget *> all() const { return { main.get(), scheme.get(), email.get() }; }

    FakePlatform fake;
    std::unique_ptr<frmTintora> main;
    std::unique_ptr<frmSavetxt> scheme;
    std::unique_ptr<frmSendEmail> email;
};

QString withoutMnemonic(QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// The room a caption has and the room its text needs, in pixels; a null need for a widget
// that shows no caption.
struct Fit
{
    QSize room;
    QSize need;
};

Fit captionFit(QWidget *widget)
{
    const QFontMetrics metrics(widget->font());
    QStyle *style = widget->style();
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (label->text().isEmpty())
            return {};
        const int margin = label->margin();
        const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return { room.size(), metrics.boundingRect(room, flags, label->text()).size() };
    }
    if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
        if (frame->title().isEmpty())
            return {};
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        const QSize text(metrics.horizontalAdvance(withoutMnemonic(frame->title())),
                         metrics.height());
        return { QSize(frame->width() - label.left(), label.height()), text };
    }
    auto *button = qobject_cast<QAbstractButton *>(widget);
    if (!button || button->text().isEmpty() || qobject_cast<QToolButton *>(widget))
        return {};
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    const QRect room = style->subElementRect(contents, &option, button);
    return { room.size(),
             QSize(metrics.horizontalAdvance(withoutMnemonic(button->text())), metrics.height()) };
}

// How far apart in brightness the text and its background are: the largest difference
// between any pixel and the colour most of the widget shows.
int textContrast(QWidget *widget)
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    const QRgb background =
        std::max_element(counts.begin(), counts.end(), [](const auto &a, const auto &b) {
            return a.second < b.second;
        })->first;
    const int backLight = qGray(background);
    int contrast = 0;
    for (const auto &[colour, count] : counts)
        contrast = std::max(contrast, std::abs(qGray(colour) - backLight));
    return contrast;
}

QString textOf(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return qobject_cast<QToolButton *>(widget) ? QString() : button->text();
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    return {};
}

QPalette darkPalette()
{
    QPalette dark;
    const QColor window(0x30, 0x30, 0x30), base(0x20, 0x20, 0x20), light(0xEE, 0xEE, 0xEE);
    for (const auto role : { QPalette::Window, QPalette::Button, QPalette::AlternateBase })
        dark.setColor(role, window);
    dark.setColor(QPalette::Base, base);
    for (const auto role :
         { QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText })
        dark.setColor(role, light);
    dark.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    return dark;
}

} // namespace

class LooksDisplayTest : public QObject
{
    Q_OBJECT

private:
    QPalette m_palette;

private slots:
    void initTestCase()
    {
        if (!test::onRealDisplay())
            QSKIP("needs a real X server (CTest runs this class under scripts/with-xvfb)");
        m_palette = QApplication::palette();
    }

    void cleanup()
    {
        QApplication::setPalette(m_palette);
        platform::useLanguage(QLocale(QLocale::English));
    }

    void everyCaptionFitsItsRectangle_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : { "en", "de", "fr", "es" })
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    // In every language, with the tips switch both ways.
    void everyCaptionFitsItsRectangle()
    {
        QFETCH(QString, language);
        QCOMPARE(qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch()), 96);
        platform::useLanguage(QLocale(language));
        Windows windows;
        QStringList cut;
        const auto check = [&cut](QWidget *widget) {
            const Fit fit = captionFit(widget);
            if (fit.need.isEmpty() || !widget->isVisibleTo(widget->window()))
                return;
            if (fit.need.width() > fit.room.width() || fit.need.height() > fit.room.height())
                cut << QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6")
                           .arg(widget->objectName(), textOf(widget).simplified())
                           .arg(fit.need.width())
                           .arg(fit.need.height())
                           .arg(fit.room.width())
                           .arg(fit.room.height());
        };
        for (QWidget *window : windows.all())
            for (QWidget *widget : window->findChildren<QWidget *>())
                check(widget);
        windows.main->Check1->click();
        check(windows.main->Check1);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    void textsStayReadable_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light palette") << false;
        QTest::newRow("dark palette") << true;
    }

    void textsStayReadable()
    {
        QFETCH(bool, dark);
        if (dark)
            QApplication::setPalette(darkPalette());
        Windows windows;
        QStringList unreadable;
        for (QWidget *window : windows.all()) {
            for (QWidget *widget : window->findChildren<QWidget *>()) {
                // A disabled control's grey text is meant to stand back.
                if (textOf(widget).trimmed().isEmpty() || !widget->isVisibleTo(window) ||
                    !widget->isEnabled())
                    continue;
                const int contrast = textContrast(widget);
                if (contrast < 96)
                    unreadable << QStringLiteral("%1 \"%2\": contrast %3")
                                      .arg(widget->objectName(), textOf(widget).simplified())
                                      .arg(contrast);
            }
        }
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QLatin1Char('\n'))));
    }

    // Not a check: with SWATCHLY_PICTURES naming a folder (scripts/screenshot sets it), saves
    // the pictures of the three windows and of a balloon tip under both palettes there.
    void picturesForTheDocs_data() { textsStayReadable_data(); }

    void picturesForTheDocs()
    {
        const QString folder = qEnvironmentVariable("SWATCHLY_PICTURES");
        if (folder.isEmpty())
            QSKIP("SWATCHLY_PICTURES names no folder");
        QFETCH(bool, dark);
        if (dark)
            QApplication::setPalette(darkPalette());
        const QString palette = dark ? QStringLiteral("dark") : QStringLiteral("light");
        Windows windows;
        windows.main->move(40, 40);
        windows.scheme->move(560, 40);
        windows.email->move(560, 300);
        // Its first activation fills the subject and the body.
        windows.email->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(windows.email.get()));
        QTest::qWait(300);
        QScreen *screen = QGuiApplication::primaryScreen();
        const auto save = [&](const QString &name, const QRect &area) {
            const QString path = QStringLiteral("%1/%2-%3.png").arg(folder, name, palette);
            QVERIFY2(
                screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(path),
                qPrintable(path));
        };
        save(QStringLiteral("main-window"), windows.main->geometry());
        save(QStringLiteral("scheme-window"), windows.scheme->geometry());
        save(QStringLiteral("feedback-window"), windows.email->geometry());

        // The red slider's balloon over the main window, and the pointer beside it.
        QWidget *slider = windows.main->Slide[0];
        test::movePointerTo(QPoint(0, 0));
        test::movePointerOnto(slider);
        TipWindow *tip = windows.main->ttSlideRed->tipWindow();
        QTRY_VERIFY_WITH_TIMEOUT(tip->isVisible(), 3000);
        QTest::qWait(200);
        const QRect around =
            tip->geometry()
                .united(slider->rect().translated(slider->mapToGlobal(QPoint(0, 0))))
                .adjusted(-16, -16, 16, 16);
        save(QStringLiteral("balloon-tip"), around);
    }
};

SWATCHLY_TEST(LooksDisplayTest)
#include "LooksDisplayTest.moc"
