// Files the program must not change or cannot read as text (read-only files, FIFOs, devices,
// folders), leftovers of a killed save, and folder and file names that are bytes, not text.
#include "chart/frmTintora.h"
#include "platform/services/FileNames.h"
#include "platform/services/MessageBoxes.h"
#include "platform/services/ProgramFolder.h"
#include "schemes/frmSavetxt.h"
#include "support/ChildProcess.h"
#include "support/FakePlatform.h"
#include "support/SpecialFiles.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

using namespace swatchly;
using platform::Answer;
using swatchly::test::FakePlatform;

namespace {

const QByteArray Scheme = QByteArray("\"563412\"\r\n").repeated(14);

// Puts a FIFO, a link to /dev/zero, a folder, a link that leads nowhere, or a scheme with the
// octal mode kind at path.
bool place(const std::string &path, const QString &kind)
{
    if (kind == QLatin1String("link nowhere"))
        return test::placeSpecialFile(path, QStringLiteral("dangling link"));
    if (!kind.front().isDigit())
        return test::placeSpecialFile(path, kind);
    ::unlink(path.c_str());
    std::ofstream(path) << Scheme.constData();
    return ::chmod(path.c_str(), kind.toUInt(nullptr, 8)) == 0;
}

// The kind, mode and bytes of what lies at name.
QByteArray stateOf(const FakePlatform &fake, const QString &name)
{
    struct stat status
    {
    };
    ::lstat(platform::pathBytes(fake.path(name)).c_str(), &status);
    return QByteArray::number(status.st_mode, 8) + ' ' +
        (S_ISREG(status.st_mode) ? fake.readFile(name) : QByteArray());
}

// Runs an operation of the scheme window on name, answering Yes to its question.
void inSchemeWindow(frmTintora &main, FakePlatform &fake, const QString &operation,
                    const QString &name)
{
    QPointer<frmSavetxt> window = frmSavetxt::open(main, operation == QLatin1String("export"));
    const int listed = window->Combo1->findText(name);
    if (listed >= 0)
        emit window->Combo1->activated(listed);
    else
        window->Combo1->setText(name);
    fake.answers = { Answer::Yes };
    (operation == QLatin1String("import")       ? window->cmdOpen
         : operation == QLatin1String("export") ? window->cmdSave
                                                : window->cmdDelete)
        ->click();
    if (window)
        window->close();
}

// The program on the folder args[0]: stores a colour, is closed and answers Yes to the exit
// question and No to any question after it. Writes how many boxes it showed, the last one's
// prompt and whether the window stayed.
int storeAndClose(const QStringList &args)
{
    FakePlatform fake;
    fake.services.programFolder = args.value(0);
    frmTintora main(fake);
    main.show();
    QTest::mouseClick(main.Picture1[23], Qt::RightButton, Qt::ShiftModifier);
    fake.answers = { Answer::Yes, Answer::No };
    main.close();
    std::printf("shown %d\nlast %s\nstayed %d\n", int(fake.shown.size()),
                qPrintable(fake.shown.last().prompt.replace('\n', ' ')), int(main.isVisible()));
    return 0;
}
SWATCHLY_TEST_CHILD("store-and-close", storeAndClose)

} // namespace

class StoredFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    // Each refusal takes the failure path its operation has, at once, and leaves the file be.
    void filesThatMayNotBeChangedOrReadFailAtOnce_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message"); // how the last message starts; "" for none

        const char *user = "UserDefColors.col";
        const char *cannotSave = "Your Users Special Colors could not be saved";
        const char *problem = "There was a problem with this file! 70Permission denied";
        QTest::newRow("save, read-only") << "save" << user << "444" << cannotSave;
        QTest::newRow("save, mode 000") << "save" << user << "0" << cannotSave;
        QTest::newRow("save, FIFO") << "save" << user << "FIFO" << cannotSave;
        QTest::newRow("export over read-only") << "export"
                                               << "Dusk.col"
                                               << "444" << problem;
        QTest::newRow("delete read-only") << "delete"
                                          << "Dusk.col"
                                          << "444" << problem;
        QTest::newRow("save, link nowhere") << "save" << user << "link nowhere" << cannotSave;
        QTest::newRow("export, link nowhere")
            << "export"
            << "Dusk.col"
            << "link nowhere"
            << "There was a problem with this file! 53File not found";
        QTest::newRow("export over FIFO") << "export"
                                          << "Dusk.col"
                                          << "FIFO"
                                          << "";
        for (const char *kind : { "FIFO", "/dev/zero", "folder" })
            QTest::addRow("import %s", kind) << "import"
                                             << "Dusk.col" << kind << "Error Openning File";
        for (const char *file : { "StartUpColors", user, "ListBoxColorNames.txt" })
            for (const char *kind : { "FIFO", "/dev/zero" })
                QTest::addRow("start, %s %s", file, kind) << "start" << file << kind << "";
    }

    void filesThatMayNotBeChangedOrReadFailAtOnce()
    {
        QFETCH(QString, operation);
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, message);

        FakePlatform fake;
        fake.copyShippedData();
        QVERIFY(place(platform::pathBytes(fake.path(name)), kind));
        const QByteArray before = stateOf(fake, name);
        QElapsedTimer clock;
        clock.start();
        frmTintora main(fake);
        main.show();
        if (operation == QLatin1String("save")) {
            QTest::mouseClick(main.Picture1[23], Qt::RightButton, Qt::ShiftModifier);
            fake.answers = { Answer::Yes, Answer::No };
            main.close();
            QVERIFY(main.isVisible()); // the user chose to stay
        } else if (operation != QLatin1String("start")) {
            inSchemeWindow(main, fake, operation, name);
        }

        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(stateOf(fake, name), before);
        QCOMPARE(fake.shown.isEmpty() ? QString() : fake.shown.last().prompt.left(message.size()),
                 message);
        if (operation == QLatin1String("start"))
            QCOMPARE(main.Combo1->listCount(), 0); // the loading stopped at or before the names
    }

    // The save tells why and lets the user stay; the file keeps the colours it holds. Run as a
    // user for whom the permissions hold.
    void aFileThatCannotBeReadIsNotReplaced()
    {
        FakePlatform fake;
        fake.copyShippedData();
        const QString file = fake.path(QStringLiteral("UserDefColors.col"));
        const QByteArray before = fake.readFile(QStringLiteral("UserDefColors.col"));
        QCOMPARE(::chmod(QFile::encodeName(file).constData(), 0200), 0);
        QVERIFY(test::giveToUnprivilegedUser(fake.folder()));
        QProcess program;
        test::startChild(program, QStringLiteral("store-and-close"), { fake.folder() }, true);
        QCOMPARE(test::waitForLine(program, "shown "), QByteArray("2"));
        const auto last = test::waitForLine(program, "last ");
        QVERIFY(last);
        QVERIFY2(last->contains(QFile::encodeName(file) + "\": Permission denied."),
                 last->constData());
        QCOMPARE(test::waitForLine(program, "stayed "), QByteArray("1"));
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(::chmod(QFile::encodeName(file).constData(), 0600), 0);
        QCOMPARE(fake.readFile(QStringLiteral("UserDefColors.col")), before);
    }

    // What the program cannot read back may be the user's colours in another form: the save
    // keeps it beside the new file. Start-up says nothing about it.
    void aFileThatDoesNotParseIsKeptAsBak_data()
    {
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<bool>("kept");
        QByteArray utf16("\xff\xfe");
        for (const char ch : Scheme)
            utf16 += QByteArray(1, ch) + '\0';
        QTest::newRow("UTF-16 with a byte-order mark") << utf16 << true;
        QTest::newRow("a damaged record") << Scheme.left(50) + "\"5x3412\"\r\n" << true;
        QTest::newRow("good records") << Scheme << false;
        QTest::newRow("fewer records") << Scheme.left(50) << false;
    }

    void aFileThatDoesNotParseIsKeptAsBak()
    {
        QFETCH(QByteArray, old);
        QFETCH(bool, kept);
        FakePlatform fake;
        fake.copyShippedData();
        fake.writeFile(QStringLiteral("UserDefColors.col"), old);
        frmTintora main(fake);
        main.show();
        QVERIFY(fake.shown.isEmpty());
        QTest::mouseClick(main.Picture1[23], Qt::RightButton, Qt::ShiftModifier);
        main.close();

        QCOMPARE(fake.shown.size(), 1);
        QCOMPARE(fake.readFile(QStringLiteral("UserDefColors.col")).size(), 140);
        QCOMPARE(fake.readFile(QStringLiteral("UserDefColors.col.bak")), kept ? old : QByteArray());
    }

    void leftoversOfAKilledSaveGoAtTheNextStart()
    {
        FakePlatform fake;
        const QStringList leftovers { ".swatchly-0a1b2c.tmp", "UserDefColors.col.9f8e7d.tmp" };
        const QStringList kept { ".swatchly-0A1B2C.tmp", ".swatchly-12345.tmp", "notes.tmp",
                                 "Dusk.col.xyz123.tmp", "UserDefColors.col" };
        const timeval hourAgo[2] { { ::time(nullptr) - 3600, 0 }, { ::time(nullptr) - 3600, 0 } };
        for (const QString &name : leftovers + kept) {
            fake.writeFile(name, Scheme);
            QVERIFY(::utimes(platform::pathBytes(fake.path(name)).c_str(), hourAgo) == 0);
        }
        // A young one may belong to a save that another copy is making.
        const QString young = QStringLiteral(".swatchly-123456.tmp");
        fake.writeFile(young, Scheme);

        frmTintora main(fake);

        for (const QString &name : leftovers + kept + QStringList { young })
            QVERIFY2(fake.exists(name) != leftovers.contains(name), qPrintable(name));
    }

    // A backslash or a byte that is not UTF-8 in the folder's or a scheme's name changes
    // nothing: the data files are found, the scheme is listed, imports and is deleted.
    void namesThatAreNotTextWork_data()
    {
        QTest::addColumn<QByteArray>("folder");
        QTest::addColumn<QByteArray>("scheme");
        QTest::newRow("backslash") << QByteArray("back\\slash") << QByteArray("plain.col");
        QTest::newRow("not UTF-8") << QByteArray("caf\xe9") << QByteArray("caf\xe9.col");
    }

    void namesThatAreNotTextWork()
    {
        QFETCH(QByteArray, folder);
        QFETCH(QByteArray, scheme);
        FakePlatform fake;
        fake.copyShippedData();
        const std::string path = platform::pathBytes(fake.folder()) + '/' + folder.toStdString();
        const QString pathText = platform::pathText(path);
        QCOMPARE(platform::pathBytes(pathText), path);
        std::filesystem::create_directory(path);
        for (const QString &name : platform::shippedDataFileNames())
            std::filesystem::copy_file(platform::pathBytes(fake.path(name)),
                                       path + '/' + name.toStdString());
        QVERIFY(place(path + '/' + scheme.toStdString(), QStringLiteral("644")));
        QCOMPARE(platform::resolveProgramFolder(pathText, fake.path("home"), {}), pathText);
        fake.services.programFolder = pathText;

        frmTintora main(fake);
        QVERIFY(main.Combo1->listCount() > 0);
        inSchemeWindow(main, fake, QStringLiteral("import"),
                       platform::pathText(scheme.toStdString()));
        QCOMPARE(main.Picture1[30]->backColor(), RGB(0x12, 0x34, 0x56));
        inSchemeWindow(main, fake, QStringLiteral("delete"),
                       platform::pathText(scheme.toStdString()));
        QCOMPARE(fake.shown.size(), 1); // only the question before the delete
        QVERIFY(!std::filesystem::exists(path + '/' + scheme.toStdString()));
        std::filesystem::remove_all(path);
    }
};

SWATCHLY_TEST(StoredFilesTest)
#include "StoredFilesTest.moc"
