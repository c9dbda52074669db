// The file layer on a real disk: what is written reads back, a replaced file keeps its
// permissions, a new one gets what the umask allows, a file dropped before it is finished
// leaves the old bytes and no temporary file, and missing files and folders fail with their
// codes.
#include "platform/services/Files.h"
#include "support/SpecialFiles.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace swatchly;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

mode_t permissions(const QString &path)
{
    struct stat status
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

QStringList filesIn(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class FilesTest : public QObject
{
    Q_OBJECT

    platform::RealFileSystem files;

private slots:
    // The temporary name fits beside any name the file system takes: the longest one is
    // written, and written over.
    void theLongestNameIsWrittenAndReplaced()
    {
        QTemporaryDir dir;
        const std::string path =
            QFile::encodeName(dir.filePath(QString(251, QLatin1Char('x')) + ".col")).toStdString();
        for (const char *digits : { "000000", "FFFFFF" }) {
            auto opened = files.openForOutput(path);
            QVERIFY2(opened, opened ? "" : opened.error().description.c_str());
            auto &out = *opened;
            QVERIFY(out->writeField(digits));
            QVERIFY(out->commit());
        }
        QCOMPARE(filesIn(dir).size(), 1);
        QCOMPARE(filesIn(dir).first().size(), 255);
    }

    void whatIsWrittenReadsBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("UserDefColors.col"));
        auto opened = files.openForOutput(path.toStdString());
        QVERIFY(opened);
        auto &out = *opened;
        for (int i = 0; i < 14; ++i)
            QVERIFY(out->writeField(std::string(6, static_cast<char>('A' + i))));
        QVERIFY(out->commit());
        QCOMPARE(contents(path).size(), 140);
        QVERIFY(contents(path).startsWith("\"AAAAAA\"\r\n\"BBBBBB\"\r\n"));
        QCOMPARE(filesIn(dir), QStringList { "UserDefColors.col" });

        auto input = files.openForInput(path.toStdString());
        QVERIFY(input);
        auto &in = *input;
        for (int i = 0; i < 14; ++i)
            QCOMPARE(in->readField(), std::optional(std::string(6, static_cast<char>('A' + i))));
        QVERIFY(in->atEnd());
        QVERIFY(!in->readField());
        QCOMPARE(in->error(), fileErrors::InputPastEndOfFile);
    }

    void replacedFileKeepsItsPermissions()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Dusk.col"));
        put(path, "old");
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0644), 0);
        // Even a umask that would take them away.
        const mode_t previous = ::umask(077);
        auto opened = files.openForOutput(path.toStdString());
        ::umask(previous);
        QVERIFY(opened);
        auto &out = *opened;
        QVERIFY(out->writeField("FF8000"));
        QVERIFY(out->commit());
        QCOMPARE(contents(path), QByteArray("\"FF8000\"\r\n"));
        QCOMPARE(permissions(path), mode_t(0644));
    }

    void newFileGetsWhatTheUmaskAllows()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Dawn.col"));
        const mode_t previous = ::umask(027);
        auto opened = files.openForOutput(path.toStdString());
        ::umask(previous);
        QVERIFY(opened);
        auto &out = *opened;
        QVERIFY(out->commit());
        QCOMPARE(permissions(path), mode_t(0640));
    }

    void fileDroppedBeforeCommitLeavesTheOldBytes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Dusk.col"));
        put(path, "\"000000\"\r\n");
        auto opened = files.openForOutput(path.toStdString());
        QVERIFY(opened);
        auto &out = *opened;
        QVERIFY(out->writeField("FF8000"));
        QCOMPARE(filesIn(dir).size(), 2); // the old file and the one being written
        out.reset();
        QCOMPARE(contents(path), QByteArray("\"000000\"\r\n"));
        QCOMPARE(filesIn(dir), QStringList { "Dusk.col" });
    }

    void missingFilesAndFoldersFail()
    {
        QTemporaryDir dir;
        const std::string missing = dir.filePath(QStringLiteral("none.col")).toStdString();
        QCOMPARE(files.openForInput(missing).error(), fileErrors::FileNotFound);

        const std::string inMissingFolder =
            dir.filePath(QStringLiteral("gone/Dusk.col")).toStdString();
        QCOMPARE(files.openForOutput(inMissingFolder).error(), fileErrors::FileNotFound);

        // A folder is no file, to read, replace or delete.
        const std::string folder = dir.path().toStdString();
        QCOMPARE(files.openForInput(folder).error(), fileErrors::PathFileAccessError);
        QCOMPARE(files.openForOutput(folder).error(), fileErrors::PathFileAccessError);
        QCOMPARE(files.remove(folder), fileErrors::PathFileAccessError);
        QVERIFY(QDir(dir.path()).exists());

        QCOMPARE(files.remove(missing), fileErrors::FileNotFound);
    }

    // A link stays where the user put it: a write replaces the file it leads to (the temporary
    // file beside that one), a delete removes the link alone; a link that leads nowhere, or to
    // a file that may not be written, fails.
    void linksStayWhereTheUserPutThem_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("leadsTo"); // relative to the link's folder
        QTest::addColumn<int>("targetMode"); // 0: no target
        QTest::addColumn<int>("failure"); // the code, 0 for none

        QTest::newRow("write, relative link") << "write"
                                              << "../synced/real.col" << 0644 << 0;
        QTest::newRow("write, absolute link") << "write"
                                              << "/synced/real.col" << 0644 << 0;
        QTest::newRow("write, link nowhere") << "write"
                                             << "../synced/real.col" << 0 << 53;
        QTest::newRow("write, read-only target") << "write"
                                                 << "../synced/real.col" << 0444 << 70;
        QTest::newRow("delete, read-only target") << "delete"
                                                  << "../synced/real.col" << 0444 << 0;
        QTest::newRow("delete, link nowhere") << "delete"
                                              << "../synced/real.col" << 0 << 0;
    }

    void linksStayWhereTheUserPutThem()
    {
        QFETCH(QString, operation);
        QFETCH(QString, leadsTo);
        QFETCH(int, targetMode);
        QFETCH(int, failure);
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("data")));
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("synced")));
        const QString target = root.filePath(QStringLiteral("synced/real.col"));
        if (targetMode != 0) {
            put(target, "old");
            QCOMPARE(::chmod(QFile::encodeName(target).constData(), mode_t(targetMode)), 0);
        }
        const QString link = root.filePath(QStringLiteral("data/Dusk.col"));
        const QString linkText = leadsTo.startsWith('/') ? root.path() + leadsTo : leadsTo;
        QCOMPARE(
            ::symlink(QFile::encodeName(linkText).constData(), QFile::encodeName(link).constData()),
            0);

        FileError error;
        bool done = false;
        if (operation == QLatin1String("write")) {
            auto out = files.openForOutput(link.toStdString());
            if (!out)
                error = out.error();
            done = out && (*out)->writeField("FF8000") && (*out)->commit();
        } else {
            const auto failure = files.remove(link.toStdString());
            error = failure.value_or(FileError {});
            done = !failure;
        }

        QCOMPARE(done, failure == 0);
        QCOMPARE(error.code, failure);
        QCOMPARE(QFileInfo(link).isSymLink(), operation == QLatin1String("write"));
        const bool written = done && operation == QLatin1String("write");
        QCOMPARE(contents(target),
                 written          ? QByteArray("\"FF8000\"\r\n")
                     : targetMode ? QByteArray("old")
                                  : QByteArray("<unreadable>"));
        QCOMPARE(
            QDir(root.filePath(QStringLiteral("synced"))).entryList(QDir::Files | QDir::Hidden),
            targetMode || written ? QStringList { "real.col" } : QStringList());
    }

    // A file without end as a data file: its fields are read to the bound, not to its end.
    void fieldsAreReadToABound()
    {
        QTemporaryDir dir;
        const std::string path = QFile::encodeName(dir.filePath("StartUpColors")).toStdString();
        if (!test::placeSpecialFile(path, QStringLiteral("sparse")))
            QSKIP("the file system cannot hold a sparse file");
        auto input = files.openForInput(path);
        QVERIFY(input);
        auto &in = *input;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(in->readField());
        QVERIFY(in->atEnd());
        QVERIFY(clock.elapsed() < 5000);
    }
};

SWATCHLY_TEST(FilesTest)
#include "FilesTest.moc"
