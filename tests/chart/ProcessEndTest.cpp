// How the program ends when it is not closed by the user: copies of it that are told to stop
// at the same moment, a copy killed while it held the folder's lock, a broken pipe. Each copy
// is a process of its own, a child of the test executable.
#include "chart/frmTintora.h"
#include "core/Colour.h"
#include "platform/services/FileNames.h"
#include "platform/services/Files.h"
#include "platform/services/FolderLock.h"
#include "platform/services/ProgramFolder.h"
#include "support/ChildProcess.h"
#include "support/FakePlatform.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <memory>
#include <vector>

using namespace swatchly;
using platform::Answer;
using swatchly::test::FakePlatform;

namespace {

const QString UserFile = QStringLiteral("UserDefColors.col");
const QByteArray Untouched = QByteArray("\"010101\"\r\n").repeated(14);

// A copy of the program on the folder args[0]: stores chart box args[1] into box args[2],
// writes "stored " and the colour's digits, then runs until it is ended.
int storeAndWait(const QStringList &args)
{
    FakePlatform fake;
    fake.services.programFolder = args.value(0);
    frmTintora window(fake);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 3;
    QTest::mouseClick(window.Picture1[args.value(1).toUInt()], Qt::LeftButton);
    QTest::mouseClick(window.Picture1[args.value(2).toUInt()], Qt::RightButton, Qt::ShiftModifier);
    window.endWithTheProcess();
    std::printf("stored %s\n", modChromel::ColorToHex(window.currentColour()).c_str());
    std::fflush(stdout);
    return QApplication::exec();
}
SWATCHLY_TEST_CHILD("store-and-wait", storeAndWait)

// Takes the lock of the folder args[0], writes "locked" and holds it until it is killed.
int holdLock(const QStringList &args)
{
    const auto lock = platform::lockFolder(platform::pathBytes(args.value(0)));
    std::printf(lock ? "locked\n" : "not locked\n");
    std::fflush(stdout);
    return QApplication::exec();
}
SWATCHLY_TEST_CHILD("hold-lock", holdLock)

} // namespace

class ProcessEndTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    // Each copy stores another box; all are told to stop at once (as at logout), after a
    // broken pipe where asked. Every store is in the file.
    void copiesEndingTogetherKeepEveryStore_data()
    {
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("brokenPipe");
        QTest::newRow("four copies") << 4 << false;
        QTest::newRow("one copy after a broken pipe") << 1 << true;
    }

    void copiesEndingTogetherKeepEveryStore()
    {
        QFETCH(int, copies);
        QFETCH(bool, brokenPipe);
        FakePlatform fake;
        fake.copyShippedData();
        fake.writeFile(UserFile, Untouched);

        std::vector<std::unique_ptr<QProcess>> processes;
        QList<QByteArray> stored;
        for (int i = 0; i < copies; ++i) {
            processes.push_back(std::make_unique<QProcess>());
            test::startChild(
                *processes.back(), QStringLiteral("store-and-wait"),
                { fake.folder(), QString::number(1 + i), QString::number(21 + 4 * i) });
        }
        for (const auto &process : processes) {
            const auto digits = test::waitForLine(*process, "stored ");
            QVERIFY(digits);
            QVERIFY(*digits != "010101");
            stored.append(*digits);
        }
        for (const auto &process : processes) {
            if (brokenPipe)
                QCOMPARE(::kill(pid_t(process->processId()), SIGPIPE), 0);
        }
        for (const auto &process : processes)
            QCOMPARE(::kill(pid_t(process->processId()), SIGTERM), 0);
        for (const auto &process : processes) {
            QVERIFY(process->waitForFinished(20000));
            QCOMPARE(process->exitStatus(), QProcess::NormalExit);
            QCOMPARE(process->exitCode(), 0);
        }

        const QList<QByteArray> records = fake.readFile(UserFile).split('\n');
        for (int i = 0; i < copies; ++i)
            QCOMPARE(records.value(4 * i), "\"" + stored[i] + "\"\r");
        QVERIFY(!fake.exists(QStringLiteral(".swatchly.lock")));
    }

    // Another copy holds the lock: the save waits for it, then fails, says why and lets the
    // user stay. Once that copy is killed, its lock is taken over at once.
    void aLockIsWaitedForWhileItsHolderLives()
    {
        FakePlatform fake;
        fake.copyShippedData();
        fake.writeFile(UserFile, Untouched);
        QProcess holder;
        test::startChild(holder, QStringLiteral("hold-lock"), { fake.folder() });
        QCOMPARE(test::waitForLine(holder, "locked"), QByteArray());
        frmTintora window(fake);
        window.show();
        QTest::mouseClick(window.Picture1[23], Qt::RightButton, Qt::ShiftModifier);

        QElapsedTimer clock;
        clock.start();
        fake.answers = { Answer::Yes, Answer::No };
        window.close();
        QVERIFY(clock.elapsed() >= platform::FolderLockWait.count() - 100);
        QCOMPARE(fake.shown.size(), 2);
        QVERIFY2(fake.shown[1].prompt.contains(
                     fake.path(UserFile) + QStringLiteral("\": ") +
                     QString::fromStdString(platform::FolderLocked.description)),
                 qPrintable(fake.shown[1].prompt));
        QVERIFY(window.isVisible());
        QCOMPARE(fake.readFile(UserFile), Untouched);

        holder.kill();
        QVERIFY(holder.waitForFinished(20000));
        clock.restart();
        window.close();
        QVERIFY(clock.elapsed() < 1000);
        QCOMPARE(fake.shown.size(), 3); // the exit question, nothing after it
        QVERIFY(!window.isVisible());
        QVERIFY(fake.readFile(UserFile) != Untouched);
    }
};

SWATCHLY_TEST(ProcessEndTest)
#include "ProcessEndTest.moc"
