// Export of the Users Special Colors to scheme files and import from them, through the scheme
// window as the user drives it.
#include "chart/frmTintora.h"
#include "platform/services/Clipboard.h"
#include "platform/services/MessageBoxes.h"
#include "schemes/frmSavetxt.h"
#include "support/FakePlatform.h"
#include "support/FaultyFileSystem.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QPointer>
#include <QTest>

using namespace swatchly;
using swatchly::test::FakePlatform;
using swatchly::test::FaultyFileSystem;

namespace {

using UserColours = std::array<ColourValue, 14>;

// Fourteen colours whose red and blue differ, and an empty box last.
UserColours sampleColours()
{
    UserColours colours {};
    for (int i = 0; i < 13; ++i)
        colours[static_cast<std::size_t>(i)] = RGB(255 - 16 * i, 128 + i, 3 * i);
    colours[13] = ButtonFace;
    return colours;
}

UserColours userColoursOf(const frmTintora &main)
{
    UserColours colours {};
    for (std::size_t i = 0; i < 14; ++i)
        colours[i] = main.Picture1[21 + i]->backColor();
    return colours;
}

void setUserColours(frmTintora &main, const UserColours &colours)
{
    for (std::size_t i = 0; i < 14; ++i)
        main.Picture1[21 + i]->setBackColor(colours[i]);
}

QByteArray hexPair(int channel)
{
    return QByteArray::number(channel, 16).toUpper().rightJustified(2, '0');
}

// The bytes of a colour file, one quoted record and CR LF per colour.
QByteArray colourFile(const UserColours &colours, bool blueFirst, std::size_t count = 14)
{
    QByteArray bytes;
    for (std::size_t i = 0; i < count; ++i) {
        const ColourValue c = colours[i];
        const QByteArray digits = blueFirst
            ? hexPair(blueOf(c)) + hexPair(greenOf(c)) + hexPair(redOf(c))
            : hexPair(redOf(c)) + hexPair(greenOf(c)) + hexPair(blueOf(c));
        bytes += "\"" + digits + "\"\r\n";
    }
    return bytes;
}

// What an exported empty box reads back as: the plain colour of its low bytes.
UserColours afterRoundTrip(UserColours colours)
{
    for (auto &c : colours)
        if (c == ButtonFace)
            c = RGB(15, 0, 0);
    return colours;
}

void pick(frmSavetxt &window, const QString &item)
{
    const int index = window.Combo1->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    emit window.Combo1->activated(index);
    QCOMPARE(window.Combo1->text(), item);
}

QStringList folderEntries(const FakePlatform &fake)
{
    return QDir(fake.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class ImportExportTest : public QObject
{
    Q_OBJECT

private slots:
    void exportUnderANewNameWritesBlueFirstRecords()
    {
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora main(fake);
        main.show();
        setUserColours(main, sampleColours());
        QPointer<frmSavetxt> window = frmSavetxt::open(main, 1);
        QTest::keyClicks(window->Combo1->lineEdit(), QStringLiteral("Sunset"));
        QTest::mouseClick(window->cmdSave, Qt::LeftButton);

        const QByteArray written = fake.readFile(QStringLiteral("Sunset.col"));
        QCOMPARE(written.size(), 140);
        QCOMPARE(written, colourFile(sampleColours(), true));
        QVERIFY(written.startsWith("\"0080FF\"\r\n\"0381EF\"\r\n"));
        QVERIFY(written.endsWith("\"00000F\"\r\n"));
        QVERIFY(fake.shown.isEmpty());
        QVERIFY(!window.isNull());
        QCOMPARE(window->Combo1->text(), QStringLiteral("Sunset.col"));
        QVERIFY(!window->isVisible());
        QVERIFY(main.isVisible());
        QTRY_VERIFY(window.isNull());
        QVERIFY(!main.UserColorsChanged);
    }

    void exportedSchemeImportsBackTheSameColours()
    {
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora main(fake);
        setUserColours(main, sampleColours());
        QPointer<frmSavetxt> exporting = frmSavetxt::open(main, 1);
        QTest::keyClicks(exporting->Combo1->lineEdit(), QStringLiteral("Sunset"));
        exporting->cmdSave->click();
        QTRY_VERIFY(exporting.isNull());

        setUserColours(main, UserColours {});
        QPointer<frmSavetxt> importing = frmSavetxt::open(main, 0);
        pick(*importing, QStringLiteral("Sunset.col"));
        importing->cmdOpen->click();
        QCOMPARE(userColoursOf(main), afterRoundTrip(sampleColours()));
        QVERIFY(fake.shown.isEmpty());
    }

    void exportOverAListedFile_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes replaces it") << int(platform::Answer::Yes);
        QTest::newRow("No leaves it") << int(platform::Answer::No);
    }

    void exportOverAListedFile()
    {
        QFETCH(int, answer);
        const bool replace = answer == int(platform::Answer::Yes);
        FakePlatform fake;
        fake.copyShippedData();
        const QByteArray old = colourFile(UserColours {}, true);
        fake.writeFile(QStringLiteral("Dusk.col"), old);
        frmTintora main(fake);
        main.show();
        setUserColours(main, sampleColours());
        QPointer<frmSavetxt> window = frmSavetxt::open(main, 1);
        pick(*window, QStringLiteral("Dusk.col"));
        const QStringList entriesBefore = folderEntries(fake);
        FaultyFileSystem files(fake);
        fake.answers.push_back(static_cast<platform::Answer>(answer));
        window->cmdSave->click();

        QCOMPARE(fake.shown.size(), 1);
        const auto &question = fake.shown[0];
        QCOMPARE(question.prompt,
                 QStringLiteral("1. File already exits, Write over it?...............Select Yes "
                                "\r\n\r\n2. I want to create a New File (New Name) Select No "
                                "\r\n\r\n"));
        QCOMPARE(question.title,
                 QStringLiteral("Use this file... Dusk.col---- Select an Option! "));
        QCOMPARE(question.buttons, platform::Buttons::YesNo);
        QCOMPARE(question.icon, platform::Icon::Information);
        // The old scheme is replaced by renaming the new one over it, never deleted first.
        for (const QString &request : files.requests)
            QVERIFY2(!request.startsWith(QStringLiteral("remove:")), qPrintable(request));
        QCOMPARE(folderEntries(fake), entriesBefore);

        if (replace) {
            QCOMPARE(fake.readFile(QStringLiteral("Dusk.col")), colourFile(sampleColours(), true));
            QVERIFY(main.isVisible());
            QTRY_VERIFY(window.isNull());
        } else {
            QCOMPARE(fake.readFile(QStringLiteral("Dusk.col")), old);
            QVERIFY(window->isVisible());
            QCOMPARE(window->Combo1->text(), QString());
            QVERIFY(!main.isVisible());
        }
    }

    void exportUnderAnUpperCaseColNameWritesASecondFile()
    {
        FakePlatform fake;
        fake.copyShippedData();
        fake.writeFile(QStringLiteral("Bright.COL"), "old");
        frmTintora main(fake);
        setUserColours(main, sampleColours());
        QPointer<frmSavetxt> window = frmSavetxt::open(main, 1);
        pick(*window, QStringLiteral("Bright.COL"));
        window->cmdSave->click();
        QVERIFY(fake.shown.isEmpty());
        QCOMPARE(fake.readFile(QStringLiteral("Bright.COL")), QByteArray("old"));
        QCOMPARE(fake.readFile(QStringLiteral("Bright.COL.col")),
                 colourFile(sampleColours(), true));
    }

    void exportWithAnEmptyNameAsksForOne()
    {
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora main(fake);
        QPointer<frmSavetxt> window = frmSavetxt::open(main, 1);
        const QStringList entriesBefore = folderEntries(fake);
        window->cmdSave->click();
        QCOMPARE(fake.shown.size(), 1);
        QCOMPARE(fake.shown[0].prompt, QStringLiteral("You must name the file!"));
        QCOMPARE(fake.shown[0].title, QStringLiteral("No file Name!"));
        QCOMPARE(fake.shown[0].buttons, platform::Buttons::OK);
        QCOMPARE(fake.shown[0].icon, platform::Icon::Critical);
        QVERIFY(window->isVisible());
        QCOMPARE(folderEntries(fake), entriesBefore);
    }

    void importReplacesTheUserColours_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("picked from the list") << "";
        QTest::newRow("typed and completed") << "dus";
    }

    void importReplacesTheUserColours()
    {
        QFETCH(QString, typed);
        FakePlatform fake;
        fake.copyShippedData();
        UserColours scheme = sampleColours();
        QByteArray bytes = colourFile(scheme, true, 13);
        bytes += "\"\"\r\n\"FFFFFF\"\r\n"; // an empty box, then a record no box reads
        fake.writeFile(QStringLiteral("Dusk.col"), bytes);
        frmTintora main(fake);
        main.show();
        const ColourValue current = main.currentColour();
        std::array<ColourValue, 21> chart {};
        for (std::size_t i = 0; i < 21; ++i)
            chart[i] = main.Picture1[i]->backColor();

        QPointer<frmSavetxt> window = frmSavetxt::open(main, 0);
        if (typed.isEmpty())
            pick(*window, QStringLiteral("Dusk.col"));
        else
            QTest::keyClicks(window->Combo1->lineEdit(), typed);
        QCOMPARE(window->Combo1->text(), QStringLiteral("Dusk.col"));
        QTest::mouseClick(window->cmdOpen, Qt::LeftButton);

        QCOMPARE(userColoursOf(main), scheme);
        for (std::size_t i = 0; i < 21; ++i)
            QCOMPARE(main.Picture1[i]->backColor(), chart[i]);
        QCOMPARE(main.currentColour(), current);
        QVERIFY(!main.UserColorsChanged);
        QVERIFY(fake.shown.isEmpty());
        QVERIFY(main.isVisible());
        QTRY_VERIFY(window.isNull());
    }

    void importFailureKeepsWhatWasReplaced_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("replaced");
        const QByteArray ten = colourFile(sampleColours(), true, 10);
        QTest::newRow("ten records") << ten << "" << 10;
        QTest::newRow("record that does not convert")
            << colourFile(sampleColours(), true, 2) + "\"ZZ0000\"\r\n" + ten << "" << 2;
        // Dawn.col is written after the window opened, so nothing completes the typed name.
        QTest::newRow("typed name without its extension") << ten << "Dawn" << 0;
    }

    void importFailureKeepsWhatWasReplaced()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, typed);
        QFETCH(int, replaced);
        FakePlatform fake;
        fake.copyShippedData();
        if (typed.isEmpty())
            fake.writeFile(QStringLiteral("Dusk.col"), contents);
        frmTintora main(fake);
        main.show();
        const UserColours before = userColoursOf(main);
        QPointer<frmSavetxt> window = frmSavetxt::open(main, 0);
        if (typed.isEmpty()) {
            pick(*window, QStringLiteral("Dusk.col"));
        } else {
            fake.writeFile(typed + QStringLiteral(".col"), contents);
            QTest::keyClicks(window->Combo1->lineEdit(), typed);
            QCOMPARE(window->Combo1->text(), typed);
        }
        window->cmdOpen->click();

        QCOMPARE(fake.shown.size(), 1);
        QCOMPARE(fake.shown[0].prompt, QStringLiteral("Error Openning File"));
        QCOMPARE(fake.shown[0].title, QStringLiteral("File Error, Does this file exist?"));
        QCOMPARE(fake.shown[0].buttons, platform::Buttons::OK);
        QCOMPARE(fake.shown[0].icon, platform::Icon::Critical);
        const UserColours scheme = sampleColours();
        for (std::size_t i = 0; i < 14; ++i)
            QCOMPARE(main.Picture1[21 + i]->backColor(), int(i) < replaced ? scheme[i] : before[i]);
        QVERIFY(window->isVisible());
        QCOMPARE(window->Combo1->text(), QString());
        QVERIFY(!main.isVisible());
    }

    void importWithAnEmptyNameAsksForOne()
    {
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora main(fake);
        const UserColours before = userColoursOf(main);
        QPointer<frmSavetxt> window = frmSavetxt::open(main, 0);
        window->cmdOpen->click();
        QCOMPARE(fake.shown.size(), 1);
        QCOMPARE(fake.shown[0].prompt, QStringLiteral("You must select a file, please!"));
        QCOMPARE(fake.shown[0].title, QStringLiteral("No File Selected"));
        QCOMPARE(fake.shown[0].buttons, platform::Buttons::OK);
        QCOMPARE(fake.shown[0].icon, platform::Icon::Exclamation);
        QCOMPARE(userColoursOf(main), before);
        QVERIFY(window->isVisible());
    }

    void userDefColorsKeepsRedFirstOrderOnExport()
    {
        FakePlatform fake;
        fake.copyShippedData();
        {
            frmTintora main(fake);
            setUserColours(main, sampleColours());
            QPointer<frmSavetxt> window = frmSavetxt::open(main, 1);
            // "UserDefColors" completes to the listed file, which is then replaced.
            QTest::keyClicks(window->Combo1->lineEdit(), QStringLiteral("UserDefColors"));
            QCOMPARE(window->Combo1->text(), QStringLiteral("UserDefColors.col"));
            fake.answers.push_back(platform::Answer::Yes);
            window->cmdSave->click();
            QCOMPARE(fake.shown.size(), 1);
        }
        QCOMPARE(fake.readFile(QStringLiteral("UserDefColors.col")),
                 colourFile(sampleColours(), false));
        // The next start reads the same colours, red not swapped with blue.
        frmTintora next(fake);
        QCOMPARE(userColoursOf(next), afterRoundTrip(sampleColours()));
    }

    void userDefColorsIsImportedRedFirst()
    {
        FakePlatform fake;
        fake.copyShippedData();
        fake.writeFile(QStringLiteral("UserDefColors.col"), colourFile(sampleColours(), false));
        frmTintora main(fake);
        setUserColours(main, UserColours {});
        QPointer<frmSavetxt> window = frmSavetxt::open(main, 0);
        pick(*window, QStringLiteral("UserDefColors.col"));
        window->cmdOpen->click();
        QVERIFY(fake.shown.isEmpty());
        QCOMPARE(userColoursOf(main), afterRoundTrip(sampleColours()));
    }

    void failedWriteLeavesTheOldScheme_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("failure"); // 0 open, 1 third record, 2 putting it in place
        QTest::addColumn<QString>("message");
        QTest::newRow("existing, open fails") << "Dusk.col" << 0
                                              << "There was a problem with this file! 75Path/File "
                                                 "access error";
        QTest::newRow("existing, third record fails")
            << "Dusk.col" << 1 << "There was a problem with this file! 70Permission denied";
        QTest::newRow("existing, replacing fails")
            << "Dusk.col" << 2 << "There was a problem with this file! 70Permission denied";
        QTest::newRow("new name, third record fails")
            << "Sunset" << 1 << "There was a problem with this file! 70Permission denied";
    }

    void failedWriteLeavesTheOldScheme()
    {
        QFETCH(QString, name);
        QFETCH(int, failure);
        QFETCH(QString, message);
        FakePlatform fake;
        fake.copyShippedData();
        const QByteArray old = colourFile(UserColours {}, true);
        fake.writeFile(QStringLiteral("Dusk.col"), old);
        frmTintora main(fake);
        setUserColours(main, sampleColours());
        QPointer<frmSavetxt> window = frmSavetxt::open(main, 1);
        if (name.endsWith(QLatin1String(".col")))
            pick(*window, name);
        else
            QTest::keyClicks(window->Combo1->lineEdit(), name);
        const QStringList entriesBefore = folderEntries(fake);

        FaultyFileSystem files(fake);
        if (failure == 0)
            files.failOpenForOutput = fileErrors::PathFileAccessError;
        else if (failure == 1)
            files.failWriteAtField = 3;
        else
            files.failCommit = fileErrors::PermissionDenied;
        fake.answers.push_back(platform::Answer::Yes);
        window->cmdSave->click();

        QCOMPARE(fake.readFile(QStringLiteral("Dusk.col")), old);
        QCOMPARE(folderEntries(fake), entriesBefore); // no new file, no temporary left over
        const auto &report = fake.shown.last();
        QCOMPARE(report.prompt, message);
        QCOMPARE(report.buttons, platform::Buttons::OK);
        QCOMPARE(report.icon, platform::Icon::None);
        QCOMPARE(report.title, QStringLiteral("Pigmentor"));
        // The export ends as it would have: the window closes.
        QVERIFY(main.isVisible());
        QTRY_VERIFY(window.isNull());
    }

    // Each kind of bad name has its own message, whichever operation meets it.
    void badNamesAreRefusedSayingWhy_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        // C1 controls: next line, control sequence introducer; "evil\u202Eloc.col" shows as
        // "evilcol.col".
        const QList<QPair<QString, QStringList>> names {
            { "cannot contain a folder",
              { "../evil", "sub/evil.col", "a\\b.col", "..", "/tmp/evil.col" } },
            { "cannot contain a control character",
              { "a\tb", "a\nb.col", "a\rb", "a\x1b[31m", "a\x7f", "a\u0085b", "a\u009b31m" } },
            { "changes the direction of the text",
              { "evil\u202Eloc.col", "a\u2066b\u2069", "a\u200Fb", "a\u061Cb" } },
            { "needs at least one visible character",
              { "   ", "\u200B\u200D\uFEFF", " \u2060\u00A0" } },
        };
        for (int option : { 0, 1, 2 }) {
            const char *operation = option == 0 ? "import" : option == 1 ? "export" : "delete";
            for (const auto &[message, kind] : names)
                for (const QString &name : kind)
                    QTest::addRow("%s %s", operation, name.toUtf8().toPercentEncoding().data())
                        << option << name << message;
        }
    }

    void badNamesAreRefusedSayingWhy()
    {
        QFETCH(int, option);
        QFETCH(QString, name);
        QFETCH(QString, message);
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora main(fake);
        const UserColours before = userColoursOf(main);
        QPointer<frmSavetxt> window = frmSavetxt::open(main, option == 1 ? 1 : 0);
        const QStringList listBefore = [&] {
            QStringList items;
            for (int i = 0; i < window->Combo1->listCount(); ++i)
                items.append(window->Combo1->list(i));
            return items;
        }();
        // Typed periods are thrown away, but a pasted name keeps whatever it holds.
        platform::clipboardSetText(name);
        QTest::keyClick(window->Combo1->lineEdit(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(window->Combo1->text(), name);

        FaultyFileSystem files(fake);
        const QStringList entriesBefore = folderEntries(fake);
        if (option == 0)
            window->cmdOpen->click();
        else if (option == 1)
            window->cmdSave->click();
        else
            window->cmdDelete->click();

        QCOMPARE(fake.shown.size(), 1);
        QVERIFY2(
            fake.shown[0].prompt.startsWith(QStringLiteral("A scheme name ")) &&
                fake.shown[0].prompt.contains(message) &&
                fake.shown[0].prompt.endsWith(QStringLiteral("; please type a plain file name.")),
            qPrintable(fake.shown[0].prompt));
        QCOMPARE(fake.shown[0].title, QStringLiteral("Invalid File Name"));
        QCOMPARE(fake.shown[0].buttons, platform::Buttons::OK);
        QCOMPARE(fake.shown[0].icon, platform::Icon::Exclamation);
        QCOMPARE(files.requests, QStringList());
        QCOMPARE(folderEntries(fake), entriesBefore);
        QCOMPARE(userColoursOf(main), before);
        QCOMPARE(window->Combo1->text(), name);
        QCOMPARE(window->Combo1->listCount(), listBefore.size());
        QVERIFY(window->isVisible());
        QVERIFY(!main.isVisible());
    }
};

SWATCHLY_TEST(ImportExportTest)
#include "ImportExportTest.moc"
