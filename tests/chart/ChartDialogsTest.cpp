// More Colors and Font Select, answered OK or Cancel, and the clipboard viewer label.
#include "chart/frmTintora.h"
#include "platform/services/Clipboard.h"
#include "platform/services/Dialogs.h"
#include "platform/services/MessageBoxes.h"
#include "support/FakePlatform.h"
#include "support/TestRegistry.h"

#include <QFontInfo>
#include <QTest>

using namespace swatchly;
using swatchly::test::FakePlatform;

namespace {

constexpr ColourValue StartColour = 0x302010; // chart box 0, "102030"

void writeData(FakePlatform &fake)
{
    fake.writeFile(QStringLiteral("StartUpColors"), QByteArray("\"102030\"\r\n").repeated(21));
    fake.writeFile(QStringLiteral("UserDefColors.col"), QByteArray("\"C0C0C0\"\r\n").repeated(14));
    fake.writeFile(QStringLiteral("ListBoxColorNames.txt"), "\"Tangerine\",\"&HFF8000\"\r\n");
}

// What the window shows of the current colour.
struct ColourShown
{
    explicit ColourShown(const frmTintora &window)
        : colour(window.currentColour())
        , hex(window.txtHexValue->text())
        , decimal(window.txtDecValue->text())
        , preview(window.lblSlide->caption())
    {
        for (auto *box : window.txtColValue)
            channels << box->text();
        for (auto *slider : window.Slide)
            sliders << slider->value();
    }
    bool operator==(const ColourShown &) const = default;

    ColourValue colour;
    QString hex;
    QString decimal;
    QString preview;
    QStringList channels;
    QList<int> sliders;
};

struct FontShown
{
    explicit FontShown(const QFont &font)
        : family(font.family())
        , size(font.pointSizeF())
        , bold(font.bold())
        , italic(font.italic())
        , underline(font.underline())
    { }
    bool operator==(const FontShown &) const = default;

    QString family;
    double size;
    bool bold;
    bool italic;
    bool underline;
};

FakePlatform &withData(FakePlatform &fake)
{
    writeData(fake);
    return fake;
}

// The chart window, shown, on the data above.
struct Opened
{
    Opened()
        : window(withData(fake))
    {
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
    }
    FakePlatform fake;
    frmTintora window;
    bool exposed = false;
};

} // namespace

class ChartDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void moreColorsOkMakesTheChosenColourCurrent_data()
    {
        QTest::addColumn<ColourValue>("chosen");
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QStringList>("channels");
        QTest::addColumn<QString>("clipboard");

        QTest::newRow("another colour")
            << 0x0080FF << "FF8000" << QStringList { "255", "128", "0", "FF", "80", "00" }
            << "\"#FF8000\"";
        QTest::newRow("the same colour")
            << StartColour << "102030" << QStringList { "16", "32", "48", "10", "20", "30" }
            << "\"#102030\"";
    }

    void moreColorsOkMakesTheChosenColourCurrent()
    {
        QFETCH(ColourValue, chosen);
        QFETCH(QString, hex);
        QFETCH(QStringList, channels);
        QFETCH(QString, clipboard);
        Opened o;
        QVERIFY(o.exposed);
        o.fake.colourAnswer = chosen;

        QTest::mouseClick(o.window.cmdShowMeColors, Qt::LeftButton);

        QCOMPARE(o.fake.colourRequests.size(), 1);
        QCOMPARE(o.fake.colourRequests[0].title, QStringLiteral("Vexel Form Creator"));
        QCOMPARE(o.fake.colourRequests[0].initial, StartColour);

        const ColourShown shown(o.window);
        QCOMPARE(shown.colour, chosen);
        QCOMPARE(shown.hex, hex + QStringLiteral("\r\nHex Value"));
        QCOMPARE(shown.decimal, QString::number(chosen) + QStringLiteral("\r\nDecimal Value"));
        QCOMPARE(shown.channels, channels);
        QCOMPARE(shown.sliders,
                 (QList<int> { channels[0].toInt(), channels[1].toInt(), channels[2].toInt() }));
        QCOMPARE(platform::clipboardText(), clipboard);
        QVERIFY(o.fake.shown.isEmpty());
    }

    void moreColorsWithoutAColourChangesNothing_data()
    {
        QTest::addColumn<std::optional<ColourValue>>("answer");
        QTest::newRow("Cancel") << std::optional<ColourValue>();
        QTest::newRow("a system colour") << std::optional<ColourValue>(ButtonFace);
        QTest::newRow("above white") << std::optional<ColourValue>(0x1000000);
    }

    void moreColorsWithoutAColourChangesNothing()
    {
        QFETCH(std::optional<ColourValue>, answer);
        Opened o;
        QVERIFY(o.exposed);
        o.fake.colourAnswer = answer;
        const ColourShown before(o.window);
        platform::clipboardSetText(QStringLiteral("elsewhere"));

        QTest::mouseClick(o.window.cmdShowMeColors, Qt::LeftButton);

        QCOMPARE(o.fake.colourRequests.size(), 1);
        QVERIFY(ColourShown(o.window) == before);
        QCOMPARE(platform::clipboardText(), QStringLiteral("elsewhere"));
        QVERIFY(o.fake.shown.isEmpty());
    }

    void moreColorsStartsOnTheCurrentColourEachTime()
    {
        Opened o;
        QVERIFY(o.exposed);

        o.fake.colourAnswer = 0x0080FF;
        QTest::mouseClick(o.window.cmdShowMeColors, Qt::LeftButton);
        o.window.cdColor->DialogTitle.clear();
        o.fake.colourAnswer.reset();
        QTest::mouseClick(o.window.cmdShowMeColors, Qt::LeftButton);
        QTest::mouseClick(o.window.Picture1[3], Qt::LeftButton);
        QTest::mouseClick(o.window.cmdShowMeColors, Qt::LeftButton);

        QCOMPARE(o.fake.colourRequests.size(), 3);
        QCOMPARE(o.fake.colourRequests[0].initial, StartColour);
        QCOMPARE(o.fake.colourRequests[1].initial, 0x0080FF);
        QCOMPARE(o.fake.colourRequests[1].title, QStringLiteral("Vexel Form Creator"));
        QCOMPARE(o.fake.colourRequests[2].initial, StartColour);
    }

    void fontOkGivesTheLabelFaceAndSizeAndCopiesTheFace_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<double>("size");
        QTest::newRow("serif 20") << "DejaVu Serif" << 20.0;
        QTest::newRow("mono 9.5") << "Liberation Mono" << 9.5;
    }

    void fontOkGivesTheLabelFaceAndSizeAndCopiesTheFace()
    {
        QFETCH(QString, face);
        QFETCH(double, size);
        Opened o;
        QVERIFY(o.exposed);
        const QString shownFace = QFontInfo(o.window.lblSlide->font()).family();
        const ColourShown colourBefore(o.window);
        const QString caption = o.window.lblSlide->caption();
        o.fake.fontAnswer = platform::FontChoice { face, size };

        QTest::mouseClick(o.window.cmdFont, Qt::LeftButton);

        QCOMPARE(o.fake.fontRequests.size(), 1);
        QCOMPARE(o.fake.fontRequests[0].name, shownFace);
        QCOMPARE(o.fake.fontRequests[0].size, 12.0);

        const QFont font = o.window.lblSlide->font();
        QCOMPARE(font.family(), face);
        QCOMPARE(QFontInfo(font).family(), face);
        QCOMPARE(font.pointSizeF(), size);
        QVERIFY(font.bold());
        QVERIFY(!font.italic());
        QCOMPARE(o.window.lblSlide->caption(), caption);
        QCOMPARE(platform::clipboardText(), face);
        QVERIFY(ColourShown(o.window) == colourBefore);
        QVERIFY(o.fake.shown.isEmpty());
    }

    void fontDialogStartsOnTheLabelsFontEachTime()
    {
        Opened o;
        QVERIFY(o.exposed);

        o.fake.fontAnswer = platform::FontChoice { QStringLiteral("DejaVu Serif"), 20 };
        QTest::mouseClick(o.window.cmdFont, Qt::LeftButton);
        o.fake.fontAnswer.reset();
        QTest::mouseClick(o.window.cmdFont, Qt::LeftButton);

        QCOMPARE(o.fake.fontRequests.size(), 2);
        QCOMPARE(o.fake.fontRequests[1].name, QStringLiteral("DejaVu Serif"));
        QCOMPARE(o.fake.fontRequests[1].size, 20.0);
        QCOMPARE(o.window.lblSlide->font().family(), QStringLiteral("DejaVu Serif"));
        QVERIFY(o.window.lblSlide->font().bold());
    }

    void fontCancelOrAnUnusableAnswerStopsWhereItFails_data()
    {
        QTest::addColumn<bool>("answered");
        QTest::addColumn<QString>("face");
        QTest::addColumn<double>("size");
        QTest::addColumn<bool>("faceTaken");
        QTest::newRow("Cancel") << false << QString() << 0.0 << false;
        QTest::newRow("no face") << true << QString() << 20.0 << false;
        QTest::newRow("no size") << true << "DejaVu Serif" << 0.0 << true;
    }

    void fontCancelOrAnUnusableAnswerStopsWhereItFails()
    {
        QFETCH(bool, answered);
        QFETCH(QString, face);
        QFETCH(double, size);
        QFETCH(bool, faceTaken);
        Opened o;
        QVERIFY(o.exposed);
        const FontShown before(o.window.lblSlide->font());
        platform::clipboardSetText(QStringLiteral("elsewhere"));
        if (answered)
            o.fake.fontAnswer = platform::FontChoice { face, size };

        QTest::mouseClick(o.window.cmdFont, Qt::LeftButton);

        QCOMPARE(o.fake.fontRequests.size(), 1);
        const FontShown after(o.window.lblSlide->font());
        QCOMPARE(after.family, faceTaken ? face : before.family);
        QCOMPARE(after.size, before.size);
        QVERIFY(after.bold);
        FontShown unchanged = before;
        unchanged.family = after.family;
        QVERIFY(after == unchanged);
        QCOMPARE(platform::clipboardText(), QStringLiteral("elsewhere"));
        QVERIFY(o.fake.shown.isEmpty());
    }

    void clipboardViewerStartsOnEachClickOrSaysItIsMissing_data()
    {
        QTest::addColumn<qint64>("taskId");
        QTest::addColumn<int>("messages");
        QTest::newRow("viewer missing") << qint64(0) << 2;
        QTest::newRow("viewer present") << qint64(4242) << 0;
    }

    void clipboardViewerStartsOnEachClickOrSaysItIsMissing()
    {
        QFETCH(qint64, taskId);
        QFETCH(int, messages);
        Opened o;
        QVERIFY(o.exposed);
        o.fake.nextTaskId = taskId;
        const ColourShown before(o.window);
        platform::clipboardSetText(QStringLiteral("elsewhere"));

        QTest::mouseClick(o.window.lblShowCB, Qt::LeftButton);
        QCOMPARE(o.fake.shown.size(), messages / 2);
        QTest::mouseClick(o.window.lblShowCB, Qt::LeftButton);

        const QString viewer = QStringLiteral("C:\\WINDOWS\\CLIPBRD.EXE");
        QCOMPARE(o.fake.startedPrograms, (QStringList { viewer, viewer }));
        QCOMPARE(o.fake.shown.size(), messages);
        for (const auto &box : o.fake.shown) {
            QCOMPARE(box.prompt, QStringLiteral("Your ClipBoard is not Installed..."));
            QCOMPARE(box.title, QStringLiteral("Pigmentor"));
            QCOMPARE(box.buttons, platform::Buttons::OK);
            QCOMPARE(box.icon, platform::Icon::None);
        }
        QVERIFY(ColourShown(o.window) == before);
        QCOMPARE(platform::clipboardText(), QStringLiteral("elsewhere"));
    }
};

SWATCHLY_TEST(ChartDialogsTest)
#include "ChartDialogsTest.moc"
