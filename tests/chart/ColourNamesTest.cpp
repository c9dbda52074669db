// The colour-name box as a way of choosing the current colour: what a found name applies and
// copies, names without a usable value, choosing again and coming back into the box.
#include "chart/frmTintora.h"
#include "platform/services/Clipboard.h"
#include "platform/services/MessageBoxes.h"
#include "support/FakePlatform.h"
#include "support/TestRegistry.h"
#include "support/WindowContents.h"

#include <QAbstractItemView>
#include <QTest>

using namespace swatchly;
using swatchly::test::FakePlatform;

namespace {

using NameList = QList<QPair<QByteArray, QByteArray>>;
using swatchly::test::channelBoxes;

constexpr ColourValue StartColour = 0x302010; // chart box 0, "102030"
constexpr ColourValue ChartBox5 = 0x428040; // "408042"

void writeColours(FakePlatform &fake)
{
    QByteArray chart;
    for (int i = 0; i < 21; ++i)
        chart += i == 0 ? QByteArray("\"102030\"\r\n")
                        : "\"4080" + QByteArray::number(i * 10 + 16, 16).toUpper() + "\"\r\n";
    fake.writeFile(QStringLiteral("StartUpColors"), chart);
    fake.writeFile(QStringLiteral("UserDefColors.col"), QByteArray("\"C0C0C0\"\r\n").repeated(14));
}

void writeNames(FakePlatform &fake, const NameList &names)
{
    QByteArray list;
    for (const auto &[name, value] : names)
        list += "\"" + name + "\",\"" + value + "\"\r\n";
    fake.writeFile(QStringLiteral("ListBoxColorNames.txt"), list);
}

// The last entry's empty value ends the loading; the entry itself is still listed.
const NameList Names = {
    { "Zero", "&H000001" },         { "Tangerine", "xxFF8000" },
    { "Violet Red", "&Hc71585" },   { "Pale  Gold", "&HEEE8AA" },
    { "Broken", "&HGG0000" },       { "Short", "&H12" },
    { "Middle Blank", "&H12 456" }, { "Empty", "" },
};

QString quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

bool showAndFocusBox(frmTintora &window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    window.activateWindow();
    window.Combo1->setFocus(Qt::OtherFocusReason);
    return true;
}

void chooseFromList(frmTintora &window, int index)
{
    window.Combo1->showPopup();
    QAbstractItemView *view = window.Combo1->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    const QRect item = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
}

void leaveAndComeBack(frmTintora &window)
{
    QTest::mouseClick(window.txtColValue[0], Qt::LeftButton);
    QVERIFY(!window.Combo1->hasFocus());
    QTest::mouseClick(window.Combo1->lineEdit(), Qt::LeftButton);
    QVERIFY(window.Combo1->hasFocus());
}

} // namespace

class ColourNamesTest : public QObject
{
    Q_OBJECT

private slots:
    void foundNameBecomesTheCurrentColourAndIsCopiedQuoted_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("name");
        QTest::addColumn<ColourValue>("colour");
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QStringList>("channels");

        QTest::newRow("first two characters are not read")
            << "tan"
            << "Tangerine" << 0x0080FF << "FF8000"
            << QStringList { "255", "128", "0", "FF", "80", "00" };
        QTest::newRow("lower-case digits") << "vio"
                                           << "Violet Red" << 0x8515C7 << "C71585"
                                           << QStringList { "199", "21", "133", "C7", "15", "85" };
        QTest::newRow("blanks inside the name are copied as listed")
            << "pale"
            << "Pale  Gold" << 0xAAE8EE << "EEE8AA"
            << QStringList { "238", "232", "170", "EE", "E8", "AA" };
        QTest::newRow("item 0 found last")
            << "ze"
            << "Zero" << 0x010000 << "000001" << QStringList { "0", "0", "1", "00", "00", "01" };
    }

    void foundNameBecomesTheCurrentColourAndIsCopiedQuoted()
    {
        QFETCH(QString, keys);
        QFETCH(QString, name);
        QFETCH(ColourValue, colour);
        QFETCH(QString, hex);
        QFETCH(QStringList, channels);
        FakePlatform fake;
        writeColours(fake);
        writeNames(fake, Names);
        frmTintora window(fake);
        QVERIFY(showAndFocusBox(window));

        QTest::keyClicks(window.Combo1->lineEdit(), keys);

        QCOMPARE(window.Combo1->text(), name);
        QCOMPARE(window.currentColour(), colour);
        QCOMPARE(window.txtHexValue->text(), hex + QStringLiteral("\r\nHex Value"));
        QCOMPARE(window.txtDecValue->text(),
                 QString::number(colour) + QStringLiteral("\r\nDecimal Value"));
        QCOMPARE(channelBoxes(window), channels);
        for (int f = 0; f < 3; ++f)
            QCOMPARE(window.Slide[static_cast<std::size_t>(f)]->value(), channels[f].toInt());
        QCOMPARE(platform::clipboardText(), quoted(name));
        QVERIFY(fake.shown.isEmpty());
    }

    void nameWithoutAColourValueChangesNothing_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("name");
        QTest::newRow("not hex digits") << "bro"
                                        << "Broken";
        QTest::newRow("too short") << "sh"
                                   << "Short";
        QTest::newRow("blank among the digits") << "mid"
                                                << "Middle Blank";
        QTest::newRow("empty value that ended the list") << "em"
                                                         << "Empty";
    }

    void nameWithoutAColourValueChangesNothing()
    {
        QFETCH(QString, keys);
        QFETCH(QString, name);
        FakePlatform fake;
        writeColours(fake);
        writeNames(fake, Names);
        frmTintora window(fake);
        QCOMPARE(window.Combo1->listCount(), Names.size());
        QVERIFY(showAndFocusBox(window));
        const QString hexBefore = window.txtHexValue->text();
        const QStringList channelsBefore = channelBoxes(window);
        platform::clipboardSetText(QStringLiteral("elsewhere"));

        // Typed, and then chosen by coming back into the box.
        QTest::keyClicks(window.Combo1->lineEdit(), keys);
        QCOMPARE(window.Combo1->text(), name);
        leaveAndComeBack(window);

        QCOMPARE(window.Combo1->text(), name);
        QCOMPARE(window.currentColour(), StartColour);
        QCOMPARE(window.txtHexValue->text(), hexBefore);
        QCOMPARE(channelBoxes(window), channelsBefore);
        QCOMPARE(platform::clipboardText(), QStringLiteral("elsewhere"));
        QVERIFY(fake.shown.isEmpty());
    }

    void choosingTheSameNameTwiceCopiesItAgain()
    {
        FakePlatform fake;
        writeColours(fake);
        writeNames(fake, Names);
        frmTintora window(fake);
        QVERIFY(showAndFocusBox(window));

        chooseFromList(window, 1);
        QCOMPARE(window.Combo1->text(), QStringLiteral("Tangerine"));
        QCOMPARE(window.currentColour(), 0x0080FF);
        QCOMPARE(platform::clipboardText(), quoted("Tangerine"));

        platform::clipboardSetText(QStringLiteral("elsewhere"));
        chooseFromList(window, 1);
        QCOMPARE(window.Combo1->text(), QStringLiteral("Tangerine"));
        QCOMPARE(window.currentColour(), 0x0080FF);
        QCOMPARE(window.txtHexValue->text(), QStringLiteral("FF8000\r\nHex Value"));
        QCOMPARE(platform::clipboardText(), quoted("Tangerine"));
        QVERIFY(fake.shown.isEmpty());
    }

    void comingBackAfterAChartPickAppliesTheNameAgain()
    {
        FakePlatform fake;
        writeColours(fake);
        writeNames(fake, Names);
        frmTintora window(fake);
        QVERIFY(showAndFocusBox(window));

        QTest::keyClicks(window.Combo1->lineEdit(), QStringLiteral("tan"));
        QTest::mouseClick(window.Picture1[5], Qt::LeftButton);
        QCOMPARE(window.currentColour(), ChartBox5);
        QCOMPARE(platform::clipboardText(), QStringLiteral("\"#408042\""));
        QCOMPARE(window.Combo1->text(), QStringLiteral("Tangerine"));

        QTest::mouseClick(window.Combo1->lineEdit(), Qt::LeftButton);

        QCOMPARE(window.currentColour(), 0x0080FF);
        QCOMPARE(window.txtHexValue->text(), QStringLiteral("FF8000\r\nHex Value"));
        QCOMPARE(window.Slide[1]->value(), 128);
        QCOMPARE(platform::clipboardText(), quoted("Tangerine"));
        QVERIFY(fake.shown.isEmpty());
    }

    void withoutANamesListEveryTextIsNoMatch_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::newRow("missing names file") << false;
        QTest::newRow("empty names file") << true;
    }

    void withoutANamesListEveryTextIsNoMatch()
    {
        QFETCH(bool, fileExists);
        FakePlatform fake;
        writeColours(fake);
        if (fileExists)
            writeNames(fake, {});
        frmTintora window(fake);
        QCOMPARE(window.Combo1->listCount(), 0);
        QVERIFY(showAndFocusBox(window));
        const ColourValue colourBefore = window.currentColour();
        const QString clipboardBefore = platform::clipboardText();

        QTest::keyClicks(window.Combo1->lineEdit(), QStringLiteral("Tan"));
        QCOMPARE(window.Combo1->text(), QStringLiteral("Tan"));
        QVERIFY(fake.shown.isEmpty());
        leaveAndComeBack(window);

        QCOMPARE(fake.shown.size(), 1);
        QCOMPARE(fake.shown[0].prompt, QStringLiteral("Sorry, but there is no match for 'Tan'."));
        QCOMPARE(fake.shown[0].title, QStringLiteral("Find Results"));
        QCOMPARE(fake.shown[0].buttons, platform::Buttons::OK);
        QCOMPARE(fake.shown[0].icon, platform::Icon::Information);
        QCOMPARE(window.currentColour(), colourBefore);
        QCOMPARE(platform::clipboardText(), clipboardBefore);
    }
};

SWATCHLY_TEST(ColourNamesTest)
#include "ColourNamesTest.moc"
