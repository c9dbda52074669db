// The main window at start-up: its controls, and the loading of the three data files.
#include "chart/frmTintora.h"
#include "platform/services/Clipboard.h"
#include "support/FakePlatform.h"
#include "support/TestRegistry.h"

#include <QMenuBar>
#include <QTest>

using namespace swatchly;
using swatchly::test::FakePlatform;

namespace {

QByteArray records(const QList<QByteArray> &fields)
{
    QByteArray bytes;
    for (const auto &field : fields)
        bytes += "\"" + field + "\"\r\n";
    return bytes;
}

QByteArray colourFile(int count, const QByteArray &digits)
{
    QList<QByteArray> fields;
    for (int i = 0; i < count; ++i)
        fields.append(digits);
    return records(fields);
}

QByteArray namesFile(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += QStringLiteral("\"name %1\",\"&H%2\"\r\n")
                     .arg(i)
                     .arg(i, 6, 16, QLatin1Char('0'))
                     .toLatin1();
    return bytes;
}

} // namespace

class StartUpLoadingTest : public QObject
{
    Q_OBJECT

private slots:
    void shippedDataFillsChartUserColoursAndNames()
    {
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        const ColourValue first = window.Picture1[0]->backColor();
        QVERIFY(first != ButtonFace);
        for (auto *box : window.Picture1)
            QVERIFY2(box->backColor() != ButtonFace, qPrintable(box->objectName()));
        QCOMPARE(window.Combo1->listCount(), 148);
        QCOMPARE(window.currentColour(), first);
        QCOMPARE(
            platform::clipboardText(),
            QStringLiteral("\"#%1\"").arg(QString::fromStdString(modChromel::ColorToHex(first))));
        QVERIFY(!window.UserColorsChanged);
    }

    void missingStartUpColorsLeavesEverythingEmptyAndWhite()
    {
        FakePlatform fake;
        platform::clipboardSetText(QStringLiteral("something else"));
        frmTintora window(fake);
        for (auto *box : window.Picture1)
            QCOMPARE(box->backColor(), ButtonFace);
        QCOMPARE(window.Combo1->listCount(), 0);
        QCOMPARE(window.currentColour(), 0xFFFFFF);
        QCOMPARE(window.txtHexValue->text(), QStringLiteral("FFFFFF\r\nHex Value"));
        QCOMPARE(window.txtDecValue->text(), QStringLiteral("16777215\r\nDecimal Value"));
        QCOMPARE(platform::clipboardText(), QStringLiteral("\"#FFFFFF\""));
        // Sliders, their labels and the channel boxes keep their design state.
        QCOMPARE(window.Slide[0]->value(), 0);
        QCOMPARE(window.lblRGB[0]->caption(), QStringLiteral("0"));
        QCOMPARE(window.lblSlide->caption(), QStringLiteral("Hex Value (000000)"));
        QCOMPARE(window.txtColValue[0]->text(), QStringLiteral("255"));
        QCOMPARE(window.txtColValue[3]->text(), QStringLiteral("FF"));
    }

    void loadingStopsSilentlyAtTheFirstFailure_data()
    {
        QTest::addColumn<QByteArray>("startUp");
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QByteArray>("names");
        QTest::addColumn<int>("chartBoxesSet");
        QTest::addColumn<int>("userBoxesSet");
        QTest::addColumn<int>("namesListed");
        QTest::addColumn<bool>("boxZeroSelected");

        const QByteArray chart = colourFile(21, "FF8000");
        const QByteArray user = colourFile(14, "102030");
        QTest::newRow("no user colours")
            << chart << QByteArray("<missing>") << namesFile(3) << 21 << 0 << 0 << false;
        QTest::newRow("13 user records")
            << chart << colourFile(13, "102030") << namesFile(3) << 21 << 13 << 0 << false;
        QTest::newRow("chart record that does not convert")
            << records({ "FF8000", "FF8000", "GG0000" }) << user << namesFile(3) << 2 << 0 << 0
            << false;
        QTest::newRow("short chart file")
            << colourFile(20, "FF8000") << user << namesFile(3) << 20 << 0 << 0 << false;
        QTest::newRow("no names file")
            << chart << user << QByteArray("<missing>") << 21 << 14 << 0 << false;
        QTest::newRow("600 names keep the first 501")
            << chart << user << namesFile(600) << 21 << 14 << 501 << false;
        QTest::newRow("names entry without a value at the end")
            << chart << user << QByteArray("\"one\",\"&H000000\"\r\n\"two\"\r\n") << 21 << 14 << 1
            << false;
        QTest::newRow("empty value ends the list with its name")
            << chart << user
            << QByteArray("\"one\",\"&H000000\"\r\n\"two\",\"&H111111\"\r\n\"three\",\"\"\r\n"
                          "\"four\",\"&H222222\"\r\n")
            << 21 << 14 << 3 << true;
        QTest::newRow("extra records are ignored")
            << colourFile(30, "FF8000") << colourFile(20, "102030") << namesFile(2) << 21 << 14 << 2
            << true;
        QTest::newRow("binary garbage") << QByteArray("\x00\x01\xff\"\r\r\n,,,", 9) << user
                                        << namesFile(2) << 0 << 0 << 0 << false;
    }

    void loadingStopsSilentlyAtTheFirstFailure()
    {
        QFETCH(QByteArray, startUp);
        QFETCH(QByteArray, user);
        QFETCH(QByteArray, names);
        QFETCH(int, chartBoxesSet);
        QFETCH(int, userBoxesSet);
        QFETCH(int, namesListed);
        QFETCH(bool, boxZeroSelected);

        FakePlatform fake;
        if (startUp != "<missing>")
            fake.writeFile(QStringLiteral("StartUpColors"), startUp);
        if (user != "<missing>")
            fake.writeFile(QStringLiteral("UserDefColors.col"), user);
        if (names != "<missing>")
            fake.writeFile(QStringLiteral("ListBoxColorNames.txt"), names);

        frmTintora window(fake);
        for (int i = 0; i < 21; ++i)
            QCOMPARE(window.Picture1[static_cast<std::size_t>(i)]->backColor() != ButtonFace,
                     i < chartBoxesSet);
        for (int i = 0; i < 14; ++i)
            QCOMPARE(window.Picture1[static_cast<std::size_t>(21 + i)]->backColor() != ButtonFace,
                     i < userBoxesSet);
        QCOMPARE(window.Combo1->listCount(), namesListed);
        QCOMPARE(fake.shown.size(), 0);
        if (boxZeroSelected)
            QCOMPARE(window.currentColour(), window.Picture1[0]->backColor());
        else
            QCOMPARE(window.currentColour(), 0xFFFFFF);
    }

    void emptyRecordLeavesOneBoxEmptyAndLoadingGoesOn()
    {
        FakePlatform fake;
        QList<QByteArray> chart;
        for (int i = 0; i < 21; ++i)
            chart.append(i == 4 ? QByteArray() : QByteArray("ff8000"));
        fake.writeFile(QStringLiteral("StartUpColors"), records(chart));
        fake.writeFile(QStringLiteral("UserDefColors.col"), "\r\n" + colourFile(13, "FF"));
        fake.writeFile(QStringLiteral("ListBoxColorNames.txt"), namesFile(5));
        frmTintora window(fake);
        QCOMPARE(window.Picture1[4]->backColor(), ButtonFace);
        QCOMPARE(window.Picture1[5]->backColor(), RGB(255, 128, 0));
        QCOMPARE(window.Picture1[21]->backColor(), ButtonFace);
        QCOMPARE(window.Picture1[22]->backColor(), RGB(255, 0, 0));
        QCOMPARE(window.Combo1->listCount(), 5);
        QCOMPARE(window.currentColour(), RGB(255, 128, 0));
    }

    void controlsAreFoundByNameWithTheirCaptionsAndPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Frame1") << "Frame1"
                                << "Pick from the Color Chart" << QRect(0, 48, 241, 225);
        QTest::newRow("Label1") << "Label1"
                                << " Users Special Colors" << QRect(0, 120, 241, 25);
        QTest::newRow("Picture1(0)") << "Picture1(0)"
                                     << "" << QRect(8, 72, 25, 25);
        QTest::newRow("Picture1(8)") << "Picture1(8)"
                                     << "" << QRect(40, 56, 25, 25);
        QTest::newRow("Picture1(34)") << "Picture1(34)"
                                      << "" << QRect(200, 184, 25, 25);
        QTest::newRow("Check1") << "Check1"
                                << "" << QRect(128, 280, 113, 13);
        QTest::newRow("lblShowCB")
            << "lblShowCB"
            << "  HTML Color       Value is in        the ClipBoard" << QRect(72, 8, 73, 41);
        QTest::newRow("cmdSlideSel")
            << "cmdSlideSel"
            << "Press to Change/Select Color Box" << QRect(8, 104, 220, 20);
        QTest::newRow("Label4") << "Label4"
                                << "Type in a Hexadecimal Value in Each Box"
                                << QRect(8, 64, 201, 17);
        QTest::newRow("txtColValue(3)") << "txtColValue(3)"
                                        << "" << QRect(0, 16, 25, 19);
        QTest::newRow("cmdShowMeColors") << "cmdShowMeColors"
                                         << "More  Colors..." << QRect(8, 16, 73, 33);
        QTest::newRow("Toolbar1") << "Toolbar1"
                                  << "" << QRect(0, 0, 472, 42);
    }

    void controlsAreFoundByNameWithTheirCaptionsAndPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        auto *widget = window.findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->geometry(), geometry);
        if (!caption.isEmpty()) {
            QString shown;
            if (auto *label = qobject_cast<QLabel *>(widget))
                shown = label->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(widget))
                shown = button->text();
            else if (auto *box = qobject_cast<QGroupBox *>(widget))
                shown = box->title();
            QCOMPARE(shown, caption);
        }
    }

    // Where the design gives a label no alignment, its text starts at the left and its own
    // blanks place the words.
    void labelsAlignTheirTextAsDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("alignment");
        QTest::newRow("lblShowCB") << "lblShowCB" << int(Qt::AlignLeft | Qt::AlignTop);
        QTest::newRow("Label1") << "Label1" << int(Qt::AlignLeft | Qt::AlignTop);
        QTest::newRow("lblSlide") << "lblSlide" << int(Qt::AlignCenter);
        QTest::newRow("lblRGB(1)") << "lblRGB(1)" << int(Qt::AlignRight | Qt::AlignVCenter);
    }

    void labelsAlignTheirTextAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(int, alignment);
        FakePlatform fake;
        frmTintora window(fake);
        auto *label = window.findChild<QLabel *>(name);
        QVERIFY2(label, qPrintable(name));
        QCOMPARE(int(label->alignment()), alignment);
    }

    void windowHasItsClientSizeMenuAndToolbar()
    {
        FakePlatform fake;
        frmTintora window(fake);
        QCOMPARE(window.windowTitle(), QStringLiteral("Swatchly"));
        QCOMPARE(window.centralWidget()->size(), QSize(472, 478));
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        const auto menus = window.menuBar()->actions();
        QCOMPARE(menus.size(), 1);
        QCOMPARE(menus.first()->text(), QStringLiteral("File"));
        QStringList captions;
        for (QAction *action : window.mnuFile->actions())
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(captions,
                 (QStringList { "&Import", "Ex&port", "-", "&About...", "-", "&Email the Author",
                                "-", "&Help", "-", "Exit" }));
        QCOMPARE(window.mnuImport->shortcut(), QKeySequence(QStringLiteral("Ctrl+I")));
        QCOMPARE(window.mnuExport->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        QCOMPARE(window.mnuAbout->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
        QCOMPARE(window.mnuEmail->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
        QCOMPARE(window.mnuHelp->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
        QStringList keys;
        for (QAction *action : window.Toolbar1->actions())
            keys << (action->isSeparator() ? QStringLiteral("-") : action->data().toString());
        QCOMPARE(keys,
                 (QStringList { "Import", "Export", "-", "-", "About", "Help", "-", "Email" }));
        QCOMPARE(window.Toolbar1->actions().at(0)->toolTip(),
                 QStringLiteral("Opens a file - Replace the U.S.Colors."));
        QCOMPARE(window.Toolbar1->actions().at(7)->toolTip(),
                 QStringLiteral("Send Author feedback."));
    }
};

SWATCHLY_TEST(StartUpLoadingTest)
#include "StartUpLoadingTest.moc"
