// Closing the main window: the question every way of closing asks, and the saving of the Users
// Special Colors after a store, including a save that fails.
#include "chart/frmTintora.h"
#include "platform/services/Files.h"
#include "platform/services/MessageBoxes.h"
#include "platform/services/Termination.h"
#include "schemes/frmSavetxt.h"
#include "support/ChildProcess.h"
#include "support/FakePlatform.h"
#include "support/FaultyFileSystem.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <optional>

using namespace swatchly;
using platform::Answer;
using swatchly::test::FakePlatform;
using swatchly::test::FaultyFileSystem;
using swatchly::test::inChildProcess;
using swatchly::test::RunAs;

namespace {

const QString UserFile = QStringLiteral("UserDefColors.col");

// The digits of box i in the user colours file: 101010, 202020 ... e0e0e0, in lower case so
// that a rewrite shows.
QByteArray userDigits(int i)
{
    return QByteArray::number(0x101010 * (i - 20), 16).rightJustified(6, '0');
}

// Fourteen records with box 26 empty.
QByteArray userColoursFile()
{
    QByteArray bytes;
    for (int i = 21; i <= 34; ++i)
        bytes += "\"" + (i == 26 ? QByteArray() : userDigits(i)) + "\"\r\n";
    return bytes;
}

enum class Failure { None, Open, Write, Commit };

// Makes the writing of the user colours fail at a chosen point; everything else goes to the
// real files.
void failSaving(FaultyFileSystem &files, Failure failure)
{
    switch (failure) {
    case Failure::None:
        break;
    case Failure::Open:
        files.failOpenForOutput = fileErrors::PermissionDenied;
        break;
    case Failure::Write:
        // The disk fills up half-way through the records.
        files.failWriteAtField = 8;
        files.failWrite = { 61, "Disk full" };
        break;
    case Failure::Commit:
        files.failCommit = fileErrors::PathFileAccessError;
        break;
    }
}

QStringList folderEntries(const FakePlatform &fake)
{
    return QDir(fake.folder()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

void checkExitQuestion(const platform::MessageBoxRequest &box)
{
    QCOMPARE(box.prompt, QStringLiteral("Are you sure you want to Exit... Swatchly?"));
    QCOMPARE(box.title, QStringLiteral("Exit Program?"));
    QCOMPARE(box.buttons, platform::Buttons::YesNo);
    QCOMPARE(box.icon, platform::Icon::Question);
    QCOMPARE(box.defaultButton, Answer::Yes);
}

void store(frmTintora &window, int from, int into)
{
    QTest::mouseClick(window.Picture1[static_cast<std::size_t>(from)], Qt::LeftButton);
    QTest::mouseClick(window.Picture1[static_cast<std::size_t>(into)], Qt::RightButton,
                      Qt::ShiftModifier);
}

// A user colours file of fourteen records; each entry of changes puts its digits at its box.
QByteArray userColoursWith(const QMap<int, QByteArray> &changes, int records = 14)
{
    QByteArray bytes;
    for (int i = 21; i < 21 + records; ++i)
        bytes += "\"" + changes.value(i, userDigits(i).toUpper()) + "\"\r\n";
    return bytes;
}

// The program folder most tests start from: the shipped data with userColoursFile() as the
// Users Special Colors.
struct UserColoursFolder
{
    UserColoursFolder()
    {
        fake.copyShippedData();
        fake.writeFile(UserFile, userColoursFile());
    }

    FakePlatform fake;
};

// The main window loaded from that folder.
struct LoadedWindow : UserColoursFolder
{
    // Shows the window; false when it does not come up.
    bool show()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

    frmTintora window { fake };
};

} // namespace

class ExitTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void endingTheSessionSavesWithoutAsking_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::newRow("a colour stored") << true;
        QTest::newRow("nothing stored") << false;
    }

    void endingTheSessionSavesWithoutAsking()
    {
        QFETCH(bool, stored);
        LoadedWindow loaded;
        QVERIFY(loaded.show());
        FakePlatform &fake = loaded.fake;
        frmTintora &window = loaded.window;
        if (stored)
            store(window, 1, 23);

        // A termination request arrives as a signal and is handled from the event loop, which
        // it ends. A signal that is not handled would end the test process: a child takes it.
        const QString failure = inChildProcess([&] {
            platform::onTerminationRequest(&window, [&window] { window.endSession(); });
            QTimer::singleShot(0, [] { ::raise(SIGTERM); });
            QTimer guard;
            guard.setSingleShot(true);
            connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
            guard.start(10000);
            QCOMPARE(QCoreApplication::exec(), 0);
            QVERIFY(fake.shown.isEmpty());
        });
        QVERIFY2(failure.isEmpty(), qPrintable(failure));

        const QByteArray saved = fake.readFile(UserFile);
        QCOMPARE(saved == userColoursFile(), !stored);
        if (stored)
            QVERIFY(saved.split('\n').at(2).contains("FF8000"));
    }

    void everyWayOfClosingAsksAndNoKeepsTheWindow_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("close box") << "close box";
        QTest::newRow("Exit button") << "Exit button";
        QTest::newRow("File, Exit") << "File, Exit";
    }

    void everyWayOfClosingAsksAndNoKeepsTheWindow()
    {
        QFETCH(QString, way);
        LoadedWindow loaded;
        QVERIFY(loaded.show());
        FakePlatform &fake = loaded.fake;
        frmTintora &window = loaded.window;
        FaultyFileSystem files(fake);
        store(window, 1, 23);
        const ColourValue current = window.currentColour();
        auto closeWindow = [&] {
            if (way == QLatin1String("close box"))
                window.close();
            else if (way == QLatin1String("Exit button"))
                QTest::mouseClick(window.cmdExit, Qt::LeftButton);
            else
                window.mnuExit->trigger();
        };

        fake.answers = { Answer::No };
        closeWindow();
        QCOMPARE(fake.shown.size(), 1);
        checkExitQuestion(fake.shown.at(0));
        QVERIFY(window.isVisible());
        QVERIFY(window.UserColorsChanged);
        QCOMPARE(window.Picture1[23]->backColor(), RGB(255, 128, 0));
        QCOMPARE(window.currentColour(), current);
        QCOMPARE(files.outputsOpened(), 0);
        QCOMPARE(fake.readFile(UserFile), userColoursFile());

        // Asked again, and this time Yes closes and saves.
        fake.answers = { Answer::Yes };
        closeWindow();
        QCOMPARE(fake.shown.size(), 2);
        checkExitQuestion(fake.shown.at(1));
        QVERIFY(!window.isVisible());
        QCOMPARE(files.outputsOpened(), 1);
    }

    void yesWithoutAStoreLeavesTheFileUntouched()
    {
        LoadedWindow loaded;
        QVERIFY(loaded.show());
        FakePlatform &fake = loaded.fake;
        frmTintora &window = loaded.window;
        FaultyFileSystem files(fake);
        // Boxes filled by other means than a store, as a scheme import does, are not saved.
        window.Picture1[30]->setBackColor(RGB(1, 2, 3));
        QTest::mouseClick(window.Picture1[5], Qt::LeftButton);

        fake.answers = { Answer::Yes };
        window.close();

        QVERIFY(!window.isVisible());
        QCOMPARE(fake.shown.size(), 1);
        QCOMPARE(files.outputsOpened(), 0);
        QCOMPARE(fake.readFile(UserFile), userColoursFile());
    }

    void yesAfterAStoreWritesAllFourteenBoxes()
    {
        UserColoursFolder folder;
        FakePlatform &fake = folder.fake;
        {
            frmTintora window(fake);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCOMPARE(window.Picture1[26]->backColor(), ButtonFace);
            store(window, 1, 23);

            fake.answers = { Answer::Yes };
            QTest::mouseClick(window.cmdExit, Qt::LeftButton);
            QVERIFY(!window.isVisible());
            QCOMPARE(fake.shown.size(), 1);
        }

        const QByteArray saved = fake.readFile(UserFile);
        QCOMPARE(saved.size(), 140);
        const QList<QByteArray> lines = saved.split('\n');
        QCOMPARE(lines.size(), 15); // fourteen lines and nothing after the last line end
        QVERIFY(lines.last().isEmpty());
        QByteArray expected;
        for (int i = 21; i <= 34; ++i) {
            QByteArray digits = userDigits(i).toUpper();
            if (i == 23)
                digits = "FF8000";
            if (i == 26)
                digits = "0F0000"; // the empty box: the low bytes of the button-face value
            expected += "\"" + digits + "\"\r\n";
        }
        QCOMPARE(saved, expected);
        QCOMPARE(folderEntries(fake),
                 (QStringList { "ListBoxColorNames.txt", "StartUpColors", UserFile }));

        // The next start shows them again; the empty box comes back as a plain colour.
        frmTintora next(fake);
        QCOMPARE(next.Picture1[23]->backColor(), RGB(255, 128, 0));
        QCOMPARE(next.Picture1[26]->backColor(), RGB(15, 0, 0));
        QCOMPARE(next.Picture1[21]->backColor(), 0x101010);
        QVERIFY(!next.UserColorsChanged);
    }

    void storingTheSameColourStillRewritesTheFile()
    {
        LoadedWindow loaded;
        QVERIFY(loaded.show());
        FakePlatform &fake = loaded.fake;
        frmTintora &window = loaded.window;
        store(window, 22, 22);

        fake.answers = { Answer::Yes };
        window.mnuExit->trigger();

        // Written again, in upper case: the content is the same colours.
        QCOMPARE(fake.readFile(UserFile),
                 userColoursFile().toUpper().replace("\"\"", "\"0F0000\""));
    }

    void aFailedSaveKeepsTheOldFileAndLetsTheUserStay_data()
    {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("reason");
        QTest::newRow("cannot open") << int(Failure::Open) << "Permission denied";
        QTest::newRow("disk full half-way") << int(Failure::Write) << "Disk full";
        QTest::newRow("cannot put the new file in place")
            << int(Failure::Commit) << "Path/File access error";
    }

    void aFailedSaveKeepsTheOldFileAndLetsTheUserStay()
    {
        QFETCH(int, failure);
        QFETCH(QString, reason);

        UserColoursFolder folder;
        FakePlatform &fake = folder.fake;
        const QStringList entriesBefore = folderEntries(fake);
        frmTintora window(fake);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        store(window, 1, 23);
        store(window, 2, 34);

        {
            FaultyFileSystem files(fake);
            failSaving(files, static_cast<Failure>(failure));
            fake.answers = { Answer::Yes, Answer::No };
            window.close();

            QCOMPARE(files.outputsOpened(), 1);
            QCOMPARE(fake.shown.size(), 2);
            const auto &message = fake.shown.at(1);
            QVERIFY2(message.prompt.contains(fake.path(UserFile)), qPrintable(message.prompt));
            QVERIFY2(message.prompt.contains(reason), qPrintable(message.prompt));
            QVERIFY2(message.prompt.contains(QStringLiteral("exit without saving")),
                     qPrintable(message.prompt));
            QCOMPARE(message.buttons, platform::Buttons::YesNo);
            QCOMPARE(message.icon, platform::Icon::Exclamation);
            QCOMPARE(message.defaultButton, Answer::No);
            QCOMPARE(message.title, QStringLiteral("Pigmentor"));

            QVERIFY(window.isVisible());
            QVERIFY(window.UserColorsChanged);
            QCOMPARE(window.Picture1[23]->backColor(), RGB(255, 128, 0));
            QCOMPARE(window.Picture1[34]->backColor(), RGB(255, 255, 0));
            QCOMPARE(fake.readFile(UserFile), userColoursFile());
            QCOMPARE(folderEntries(fake), entriesBefore);

            // Choosing to exit anyway closes and still leaves the old file whole.
            fake.answers = { Answer::Yes, Answer::Yes };
            window.close();
            QCOMPARE(fake.shown.size(), 4);
            QVERIFY(!window.isVisible());
            QCOMPARE(fake.readFile(UserFile), userColoursFile());
            QCOMPARE(folderEntries(fake), entriesBefore);
        }
    }

    void aSaveThatFailsOnceSucceedsOnTheNextClose()
    {
        LoadedWindow loaded;
        QVERIFY(loaded.show());
        FakePlatform &fake = loaded.fake;
        frmTintora &window = loaded.window;
        store(window, 1, 23);
        {
            FaultyFileSystem files(fake);
            failSaving(files, Failure::Write);
            fake.answers = { Answer::Yes, Answer::No };
            window.close();
            QVERIFY(window.isVisible());
        }
        fake.answers = { Answer::Yes };
        window.close();
        QVERIFY(!window.isVisible());
        QCOMPARE(fake.shown.size(), 3);
        QVERIFY(fake.readFile(UserFile).startsWith("\"101010\"\r\n\"202020\"\r\n\"FF8000\"\r\n"));
    }

    // What a save writes, at exit, at the end of the session or on a signal: the boxes this
    // run stored or imported, and for every other box the record on disk at that moment,
    // whatever the start-up could load.
    void theSaveKeepsWhatThisRunDidNotChange_data()
    {
        QTest::addColumn<QByteArray>("startUpColors"); // "-": no file; "": the shipped one
        QTest::addColumn<QByteArray>("atStart");
        QTest::addColumn<QByteArray>("atExit"); // written meanwhile, as by another copy
        QTest::addColumn<QString>("ending");
        QTest::addColumn<bool>("yes"); // the answer to the Exit question
        QTest::addColumn<QByteArray>("expected");

        const QByteArray file = userColoursWith({});
        const QByteArray stored = userColoursWith({ { 23, "FF8000" } });
        const QByteArray all123456 = QByteArray("\"123456\"\r\n").repeated(14);
        QTest::newRow("one copy, a file that loaded")
            << QByteArray() << file << QByteArray() << "Exit" << true << stored;
        QTest::newRow("no StartUpColors")
            << QByteArray("-") << file << QByteArray() << "Exit" << true << stored;
        QTest::newRow("bad StartUpColors")
            << QByteArray("\"zz\"") << file << QByteArray() << "Exit" << true << stored;
        // Loading stops at box 30, which is written as it stands; the boxes after it are kept.
        QTest::newRow("bad record in UserDefColors.col")
            << QByteArray() << userColoursWith({ { 30, "xyz" } }) << QByteArray() << "Exit" << true
            << userColoursWith({ { 23, "FF8000" }, { 30, "0F0000" } });
        QTest::newRow("another copy stored box 30")
            << QByteArray() << file << userColoursWith({ { 30, "ABCDEF" } }) << "Exit" << true
            << userColoursWith({ { 23, "FF8000" }, { 30, "ABCDEF" } });
        QTest::newRow("another copy stored box 23")
            << QByteArray() << file << userColoursWith({ { 23, "ABCDEF" } }) << "Exit" << true
            << stored;
        QTest::newRow("file gone meanwhile")
            << QByteArray() << file << QByteArray("-") << "Exit" << true << stored;
        // An import is this run's change as much as a store (Dusk.col: all boxes 123456).
        QTest::newRow("import, then a store")
            << QByteArray() << file << userColoursWith({ { 30, "ABCDEF" } }) << "import" << true
            << all123456.left(20) + "\"FF8000\"\r\n" + all123456.left(110);
        QTest::newRow("session end, Yes")
            << QByteArray() << file << QByteArray() << "session" << true << stored;
        QTest::newRow("session end, No")
            << QByteArray() << file << QByteArray() << "session" << false << file;
        QTest::newRow("session end, no questions")
            << QByteArray() << file << QByteArray() << "session, no questions" << false << stored;
        for (const char *signal : { "SIGTERM", "SIGHUP", "SIGINT" })
            QTest::newRow(signal) << QByteArray() << file << QByteArray() << signal << false
                                  << stored;
    }

    void theSaveKeepsWhatThisRunDidNotChange()
    {
        QFETCH(QByteArray, startUpColors);
        QFETCH(QByteArray, atStart);
        QFETCH(QByteArray, atExit);
        QFETCH(QString, ending);
        const int signal = ending == QLatin1String("SIGTERM") ? SIGTERM
            : ending == QLatin1String("SIGHUP")               ? SIGHUP
            : ending == QLatin1String("SIGINT")               ? SIGINT
                                                              : 0;
        const bool session = ending.startsWith(QLatin1String("session"));
        QFETCH(bool, yes);
        QFETCH(QByteArray, expected);

        FakePlatform fake;
        fake.copyShippedData();
        if (startUpColors == "-")
            QVERIFY(QFile::remove(fake.path(QStringLiteral("StartUpColors"))));
        else if (!startUpColors.isEmpty())
            fake.writeFile(QStringLiteral("StartUpColors"), startUpColors);
        fake.writeFile(UserFile, atStart);
        fake.writeFile(QStringLiteral("Dusk.col"), QByteArray("\"563412\"\r\n").repeated(14));
        frmTintora window(fake);
        window.show();
        if (ending == QLatin1String("import")) {
            QPointer<frmSavetxt> schemes = frmSavetxt::open(window, 0);
            schemes->Combo1->setText(QStringLiteral("Dusk.col"));
            schemes->cmdOpen->click();
        }
        window.Picture1[1]->setBackColor(RGB(255, 128, 0));
        store(window, 1, 23);
        if (atExit == "-")
            QVERIFY(QFile::remove(fake.path(UserFile)));
        else if (!atExit.isEmpty())
            fake.writeFile(UserFile, atExit);

        // A signal that is not handled would end the test process, and the quit that ends a
        // session ends the event loops: both in a child, whose files the test reads after.
        const auto endTheRun = [&] {
            fake.answers = { yes ? Answer::Yes : Answer::No };
            bool ended = true;
            if (session) {
                ended = window.commitSessionData(ending == QLatin1String("session"));
            } else if (signal == 0) {
                window.close();
            } else {
                // As the program wires it.
                std::optional<bool> result;
                platform::onTerminationRequest(&window, [&] { result = window.endOnRequest(); });
                QVERIFY(::raise(signal) == 0);
                QTRY_VERIFY(result.has_value());
                ended = *result;
            }

            const bool asked = signal == 0 && ending != QLatin1String("session, no questions");
            QCOMPARE(ended, yes || !asked);
            QCOMPARE(fake.shown.size(), asked ? 1 : 0);
            // After the answer, the quit that ends the session asks nothing more.
            if (session) {
                fake.answers = { Answer::No };
                QEvent quit(QEvent::Quit);
                QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
                QCOMPARE(window.isVisible(), !ended);
                QCOMPARE(fake.shown.size(), (asked ? 1 : 0) + (ended ? 0 : 1));
            }
        };
        if (session || signal != 0) {
            const QString failure = inChildProcess(endTheRun);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
        } else {
            endTheRun();
        }
        QCOMPARE(fake.readFile(UserFile), expected);
    }

    // After a session end that was answered, or saved without asking, and then cancelled, the
    // program goes on; the user's next close asks as usual.
    void aCancelledSessionEndLeavesTheNextCloseItsQuestion_data()
    {
        QTest::addColumn<bool>("mayInteract");
        QTest::addColumn<bool>("stored");
        QTest::newRow("answered Yes, after a store") << true << true;
        QTest::newRow("answered Yes") << true << false;
        QTest::newRow("saved without asking") << false << true;
    }

    void aCancelledSessionEndLeavesTheNextCloseItsQuestion()
    {
        QFETCH(bool, mayInteract);
        QFETCH(bool, stored);
        LoadedWindow loaded;
        QVERIFY(loaded.show());
        FakePlatform &fake = loaded.fake;
        frmTintora &window = loaded.window;
        if (stored)
            store(window, 1, 23);
        fake.answers = { Answer::Yes };
        QVERIFY(window.commitSessionData(mayInteract));
        const auto asked = fake.shown.size();
        QCOMPARE(asked, mayInteract ? 1 : 0);
        // The session manager cancels the end; the program gets no word of it and goes on.
        QTest::qWait(10);

        fake.answers = { Answer::No };
        QTest::mouseClick(window.cmdExit, Qt::LeftButton);
        QCOMPARE(fake.shown.size(), asked + 1);
        checkExitQuestion(fake.shown.last());
        QVERIFY(window.isVisible());
        fake.answers = { Answer::Yes };
        window.mnuExit->trigger();
        QCOMPARE(fake.shown.size(), asked + 2);
        QVERIFY(!window.isVisible());
    }

    void aReadOnlyProgramFolderKeepsTheOldFile()
    {
        UserColoursFolder folder;
        FakePlatform &fake = folder.fake;
        frmTintora window(fake);
        window.show();
        store(window, 1, 23);
        // The superuser writes into read-only folders: the close runs as an ordinary user.
        QVERIFY(test::giveToUnprivilegedUser(fake.folder()));
        QFile::setPermissions(fake.folder(),
                              QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                  QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        const QString failure = inChildProcess(
            [&] {
                fake.answers = { Answer::Yes, Answer::No };
                window.close();
                QCOMPARE(fake.shown.size(), 2);
                QVERIFY2(fake.shown.at(1).prompt.contains(QStringLiteral("Permission denied")),
                         qPrintable(fake.shown.at(1).prompt));
                QVERIFY(window.isVisible());
            },
            RunAs::Unprivileged);
        QFile::setPermissions(fake.folder(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(fake.readFile(UserFile), userColoursFile());
    }
};

SWATCHLY_TEST(ExitTest)
#include "ExitTest.moc"
