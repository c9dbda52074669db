// Fault walks over the operations that write or read the user's colour files: the save at exit,
// export to a new scheme, export over an existing one, and import. Each walk runs the operation
// once without a fault to learn its file steps, then once more for every step with that step
// failing. Whatever fails, no file may be left emptied or half-written, the failure reaches
// its message, and the windows go on working.
#include "chart/frmTintora.h"
#include "platform/services/Clipboard.h"
#include "platform/services/MessageBoxes.h"
#include "schemes/frmSavetxt.h"
#include "support/FakePlatform.h"
#include "support/FaultyFileSystem.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QPointer>
#include <QTest>

using namespace swatchly;
using platform::Answer;
using swatchly::test::FakePlatform;
using swatchly::test::FaultyFileSystem;

namespace {

const QString UserFile = QStringLiteral("UserDefColors.col");

using Folder = QMap<QString, QByteArray>;

Folder folderContents(const FakePlatform &fake)
{
    Folder contents;
    const QDir dir(fake.folder());
    for (const QString &name :
         dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        contents.insert(name, fake.readFile(name));
    return contents;
}

// Every file is as it was before, except target, which may instead hold the whole of its new
// bytes; nothing else has appeared (no temporary file left behind).
void checkNothingHalfWritten(const Folder &before, const Folder &after, const QString &target,
                             const QByteArray &newBytes)
{
    QStringList names = before.keys();
    if (!before.contains(target) && after.contains(target)) {
        names.append(target);
        names.sort();
    }
    QCOMPARE(after.keys(), names);
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (it.key() == target && it.value() == newBytes)
            continue;
        QVERIFY2(before.contains(it.key()), qPrintable(it.key()));
        QCOMPARE(it.value(), before.value(it.key()));
    }
}

QString clipboardTextOf(ColourValue colour)
{
    return QStringLiteral("\"#%1\"").arg(QString::fromStdString(modChromel::ColorToHex(colour)));
}

// A click on a chart box still makes that colour current and copies it.
void checkChartClickCopies(frmTintora &window, int box)
{
    platform::clipboardClear();
    QTest::mouseClick(window.Picture1[static_cast<std::size_t>(box)], Qt::LeftButton);
    QCOMPARE(platform::clipboardText(),
             clipboardTextOf(window.Picture1[static_cast<std::size_t>(box)]->backColor()));
    QCOMPARE(window.currentColour(), window.Picture1[static_cast<std::size_t>(box)]->backColor());
}

void store(frmTintora &window, int from, int into)
{
    QTest::mouseClick(window.Picture1[static_cast<std::size_t>(from)], Qt::LeftButton);
    QTest::mouseClick(window.Picture1[static_cast<std::size_t>(into)], Qt::RightButton,
                      Qt::ShiftModifier);
}

using UserColours = std::array<ColourValue, 14>;

UserColours sampleColours()
{
    UserColours colours {};
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = RGB(int(255 - 16 * i), int(128 + i), int(3 * i));
    return colours;
}

void setUserColours(frmTintora &main, const UserColours &colours)
{
    for (std::size_t i = 0; i < colours.size(); ++i)
        main.Picture1[21 + i]->setBackColor(colours[i]);
}

UserColours userColoursOf(const frmTintora &main)
{
    UserColours colours {};
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = main.Picture1[21 + i]->backColor();
    return colours;
}

// Fourteen records of one colour, in the file layout.
QByteArray uniformColourFile(const QByteArray &digits)
{
    QByteArray bytes;
    for (int i = 0; i < 14; ++i)
        bytes += "\"" + digits + "\"\r\n";
    return bytes;
}

QStringList stepsOfAWrite(QStringList before = {})
{
    before.append(QStringLiteral("open out"));
    for (int i = 0; i < 14; ++i)
        before.append(QStringLiteral("write"));
    before.append(QStringLiteral("commit"));
    return before;
}

QString problemText(const FileError &error)
{
    return QStringLiteral("There was a problem with this file! ") + QString::number(error.code) +
        QString::fromStdString(error.description);
}

void pick(frmSavetxt &window, const QString &item)
{
    const int index = window.Combo1->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    emit window.Combo1->activated(index);
    QCOMPARE(window.Combo1->text(), item);
}

void addFaultRows()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("description");
    QTest::newRow("file not found") << 53 << "File not found";
    QTest::newRow("disk full") << 61 << "Disk full";
    QTest::newRow("permission denied") << 70 << "Permission denied";
}

FileError fetchFault()
{
    QFETCH(int, code);
    QFETCH(QString, description);
    return { code, description.toStdString() };
}

// Fails the walk with the step that broke it named.
#define WALK_STEP(call, n, steps)                                                                  \
    do {                                                                                           \
        call;                                                                                      \
        if (QTest::currentTestFailed()) {                                                          \
            qWarning("with step %d of %lld (%s) failing", n, qlonglong((steps).size()),            \
                     qPrintable((steps).value((n)-1)));                                            \
            return;                                                                                \
        }                                                                                          \
    } while (false)

} // namespace

class FaultInjectionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void exitSaveWalk_data() { addFaultRows(); }

    void exitSaveWalk()
    {
        const FileError fault = fetchFault();
        const QByteArray oldBytes = uniformColourFile("000000");

        QStringList steps;
        QByteArray newBytes;
        {
            FakePlatform fake;
            fake.copyShippedData();
            fake.writeFile(UserFile, oldBytes);
            frmTintora window(fake);
            window.show();
            store(window, 1, 23);
            store(window, 2, 34);
            FaultyFileSystem files(fake);
            fake.answers = { Answer::Yes };
            window.close();
            QVERIFY(!window.isVisible());
            steps = files.steps;
            newBytes = fake.readFile(UserFile);
        }
        // The records on disk are read first, for the boxes this run did not change.
        QStringList reading { QStringLiteral("open in") };
        for (int i = 0; i < 14; ++i)
            reading.append(QStringLiteral("read"));
        QCOMPARE(steps, stepsOfAWrite(reading));
        QCOMPARE(newBytes.size(), 140);
        QVERIFY(newBytes != oldBytes);

        for (int n = 1; n <= steps.size(); ++n)
            WALK_STEP(exitSaveFailsAt(n, fault, oldBytes, newBytes,
                                      n == 1 && fault == fileErrors::FileNotFound),
                      n, steps);
    }

    void exportWalk_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("description");
        const std::pair<const char *, bool> files[] = { { "Sunset.col", false },
                                                        { "Dusk.col", true },
                                                        { "UserDefColors.col", true } };
        for (const auto &[name, existing] : files) {
            const char *kind = existing ? "existing" : "new";
            QTest::addRow("%s %s, file not found", kind, name)
                << name << existing << 53 << "File not found";
            QTest::addRow("%s %s, disk full", kind, name) << name << existing << 61 << "Disk full";
            QTest::addRow("%s %s, permission denied", kind, name)
                << name << existing << 70 << "Permission denied";
        }
    }

    // A new scheme is named by typing, an existing one picked from the list and replaced only
    // after the question.
    void exportWalk()
    {
        QFETCH(QString, name);
        QFETCH(bool, existing);
        const FileError fault = fetchFault();
        const QByteArray oldBytes = existing ? uniformColourFile("123456") : QByteArray();

        QStringList steps;
        QByteArray newBytes;
        {
            FakePlatform fake;
            fake.copyShippedData();
            if (existing)
                fake.writeFile(name, oldBytes);
            frmTintora main(fake);
            setUserColours(main, sampleColours());
            QPointer<frmSavetxt> window = frmSavetxt::open(main, 1);
            if (existing)
                pick(*window, name);
            else
                QTest::keyClicks(window->Combo1->lineEdit(), QFileInfo(name).completeBaseName());
            FaultyFileSystem files(fake);
            if (existing)
                fake.answers = { Answer::Yes };
            window->cmdSave->click();
            QCOMPARE(fake.shown.size(), existing ? 1 : 0); // the question
            steps = files.steps;
            newBytes = fake.readFile(name);
            QTRY_VERIFY(window.isNull());
        }
        // The existence test, then the write.
        QCOMPARE(steps, stepsOfAWrite({ QStringLiteral("open in") }));
        QCOMPARE(newBytes.size(), 140);
        QVERIFY(newBytes != oldBytes);

        for (int n = 1; n <= steps.size(); ++n)
            WALK_STEP(exportFailsAt(n, fault, name, oldBytes, newBytes), n, steps);
    }

    void importWalk_data() { addFaultRows(); }

    void importWalk()
    {
        const FileError fault = fetchFault();
        const QString name = QStringLiteral("Dusk.col");
        // Blue first, as scheme files hold them; none is a colour the shipped file holds.
        QByteArray scheme;
        for (const ColourValue colour : sampleColours()) {
            const ColourValue swapped = RGB(blueOf(colour), greenOf(colour), redOf(colour));
            scheme += "\"" + QByteArray::fromStdString(modChromel::ColorToHex(swapped)) + "\"\r\n";
        }

        QStringList steps;
        {
            FakePlatform fake;
            fake.copyShippedData();
            fake.writeFile(name, scheme);
            frmTintora main(fake);
            QPointer<frmSavetxt> window = frmSavetxt::open(main, 0);
            pick(*window, name);
            FaultyFileSystem files(fake);
            window->cmdOpen->click();
            QVERIFY(fake.shown.isEmpty());
            QCOMPARE(userColoursOf(main), sampleColours());
            steps = files.steps;
            QTRY_VERIFY(window.isNull());
        }
        QStringList expected { QStringLiteral("open in") };
        for (int i = 0; i < 14; ++i)
            expected.append(QStringLiteral("read"));
        QCOMPARE(steps, expected);

        for (int n = 1; n <= steps.size(); ++n)
            WALK_STEP(importFailsAt(n, fault, name, scheme), n, steps);
    }

private:
    // A file that is not there has no records to keep, and every box is written as it stands,
    // which here is the same: then the save succeeds (nothingToRead). A file that is there but
    // cannot be read is not replaced.
    void exitSaveFailsAt(int n, const FileError &fault, const QByteArray &oldBytes,
                         const QByteArray &newBytes, bool nothingToRead)
    {
        FakePlatform fake;
        fake.copyShippedData();
        fake.writeFile(UserFile, oldBytes);
        frmTintora window(fake);
        window.show();
        store(window, 1, 23);
        store(window, 2, 34);
        const Folder before = folderContents(fake);
        {
            FaultyFileSystem files(fake);
            files.failAtStep = n;
            files.faultError = fault;
            fake.answers = { Answer::Yes, Answer::No };
            window.close();
        }

        checkNothingHalfWritten(before, folderContents(fake), UserFile, newBytes);
        if (nothingToRead) {
            QCOMPARE(fake.readFile(UserFile), newBytes);
            QCOMPARE(fake.shown.size(), 1);
            QVERIFY(!window.isVisible());
            return;
        }
        QCOMPARE(fake.readFile(UserFile), oldBytes);
        QCOMPARE(fake.shown.size(), 2);
        QCOMPARE(fake.shown[1].prompt,
                 QStringLiteral("Your Users Special Colors could not be saved to the file "
                                "\"%1\": %2.\n\nDo you want to exit without saving them?")
                     .arg(fake.path(UserFile), QString::fromStdString(fault.description)));
        QCOMPARE(fake.shown[1].buttons, platform::Buttons::YesNo);
        QCOMPARE(fake.shown[1].defaultButton, Answer::No);

        // The user stays, goes on working, and the next close saves.
        QVERIFY(window.isVisible());
        QVERIFY(window.UserColorsChanged);
        checkChartClickCopies(window, 5);
        fake.answers = { Answer::Yes };
        window.close();
        QVERIFY(!window.isVisible());
        QCOMPARE(fake.shown.size(), 3);
        checkNothingHalfWritten(before, folderContents(fake), UserFile, newBytes);
        QCOMPARE(fake.readFile(UserFile), newBytes);
    }

    // oldBytes empty: the file did not exist before.
    void exportFailsAt(int n, const FileError &fault, const QString &name,
                       const QByteArray &oldBytes, const QByteArray &newBytes)
    {
        const bool existed = !oldBytes.isEmpty();
        FakePlatform fake;
        fake.copyShippedData();
        if (existed)
            fake.writeFile(name, oldBytes);
        frmTintora main(fake);
        main.show();
        setUserColours(main, sampleColours());
        QPointer<frmSavetxt> window = frmSavetxt::open(main, 1);
        if (existed)
            pick(*window, name);
        else
            QTest::keyClicks(window->Combo1->lineEdit(), QFileInfo(name).completeBaseName());
        const Folder before = folderContents(fake);
        {
            FaultyFileSystem files(fake);
            files.failAtStep = n;
            files.faultError = fault;
            fake.answers = { Answer::Yes };
            window->cmdSave->click();
        }
        const Folder after = folderContents(fake);
        checkNothingHalfWritten(before, after, name, newBytes);

        if (n == 1) {
            // The existence test. Only "not found" lets the export go on, and then without the
            // question; any other failure ends it without a word and leaves the window open.
            QVERIFY(fake.shown.isEmpty());
            if (fault.code == fileErrors::FileNotFound.code) {
                QCOMPARE(after.value(name), newBytes);
                QTRY_VERIFY(window.isNull());
            } else {
                QCOMPARE(after, before);
                QVERIFY(window->isVisible());
                QVERIFY(!main.isVisible());
                QCOMPARE(window->Combo1->text(), name);
                window->cmdExit->click();
                QTRY_VERIFY(window.isNull());
            }
        } else {
            QCOMPARE(after, before);
            QCOMPARE(fake.shown.size(), existed ? 2 : 1);
            const auto &report = fake.shown.last();
            QCOMPARE(report.prompt, problemText(fault));
            QCOMPARE(report.buttons, platform::Buttons::OK);
            QCOMPARE(report.icon, platform::Icon::None);
            QCOMPARE(report.title, QStringLiteral("Pigmentor"));
            QTRY_VERIFY(window.isNull());
        }

        // The main window is back and working, and another export goes through.
        QVERIFY(main.isVisible());
        checkChartClickCopies(main, 9);
        const qsizetype shownBefore = fake.shown.size();
        // Asked before writing over a file, and no failure either way.
        const qsizetype questions = fake.exists(name) ? 1 : 0;
        window = frmSavetxt::open(main, 1);
        QTest::keyClicks(window->Combo1->lineEdit(), QFileInfo(name).completeBaseName());
        fake.answers = { Answer::Yes };
        window->cmdSave->click();
        QTRY_VERIFY(window.isNull());
        QCOMPARE(fake.shown.size(), shownBefore + questions);
        QCOMPARE(fake.readFile(name), newBytes);
        checkNothingHalfWritten(before, folderContents(fake), name, newBytes);
        QVERIFY(main.isVisible());
    }

    void importFailsAt(int n, const FileError &fault, const QString &name, const QByteArray &scheme)
    {
        FakePlatform fake;
        fake.copyShippedData();
        fake.writeFile(name, scheme);
        frmTintora main(fake);
        const UserColours shipped = userColoursOf(main);
        const Folder before = folderContents(fake);
        QPointer<frmSavetxt> window = frmSavetxt::open(main, 0);
        pick(*window, name);
        {
            FaultyFileSystem files(fake);
            files.failAtStep = n;
            files.faultError = fault;
            window->cmdOpen->click();
        }

        QCOMPARE(folderContents(fake), before);
        QCOMPARE(fake.shown.size(), 1);
        QCOMPARE(fake.shown[0].prompt, QStringLiteral("Error Openning File"));
        QCOMPARE(fake.shown[0].title, QStringLiteral("File Error, Does this file exist?"));
        QCOMPARE(fake.shown[0].buttons, platform::Buttons::OK);
        QCOMPARE(fake.shown[0].icon, platform::Icon::Critical);
        QVERIFY(window->isVisible());
        QVERIFY(!main.isVisible());
        QCOMPARE(window->Combo1->text(), QString());
        // The records read before the failing step are in their boxes; the rest kept theirs.
        const std::size_t read = n >= 2 ? std::size_t(n - 2) : 0;
        UserColours expected = shipped;
        for (std::size_t i = 0; i < read; ++i)
            expected[i] = sampleColours()[i];
        QCOMPARE(userColoursOf(main), expected);
        QVERIFY(!main.UserColorsChanged);

        // The same import, tried again, goes through.
        pick(*window, name);
        window->cmdOpen->click();
        QTRY_VERIFY(window.isNull());
        QCOMPARE(fake.shown.size(), 1);
        QCOMPARE(userColoursOf(main), sampleColours());
        QVERIFY(main.isVisible());
        checkChartClickCopies(main, 30);
        QCOMPARE(folderContents(fake), before);
    }
};

SWATCHLY_TEST(FaultInjectionTest)
#include "FaultInjectionTest.moc"
