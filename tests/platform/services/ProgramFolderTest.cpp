// Where the program keeps its data files: its own folder when it runs from a writable folder
// holding them, else the user's data folder, seeded from the installed copies.
#include "platform/services/ProgramFolder.h"
#include "platform/services/DataFolder.h"
#include "platform/services/FileNames.h"
#include "support/ChildProcess.h"
#include "support/SpecialFiles.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace swatchly;

namespace {

const QByteArray ShippedUserColours = "\"FFFFFF\"\r\n";

// An installed tree in a temporary folder: bin/ for the executable, share/swatchly/ for the
// shipped data and home/ for the user's data folder, which does not exist yet.
class InstallTree
{
public:
    InstallTree()
    {
        QDir(root()).mkpath(QStringLiteral("bin"));
        QDir(root()).mkpath(QStringLiteral("share/swatchly"));
        write(shipped(), QStringLiteral("StartUpColors"), "\"FF0000\"\r\n");
        write(shipped(), QStringLiteral("UserDefColors.col"), ShippedUserColours);
        write(shipped(), QStringLiteral("ListBoxColorNames.txt"), "\"red\",\"&H0000FF\"\r\n");
        write(shipped(), QStringLiteral("swatchly.chm"), "help");
    }

    QString root() const { return m_dir.path(); }
    QString bin() const { return root() + QStringLiteral("/bin"); }
    QString shipped() const { return root() + QStringLiteral("/share/swatchly"); }
    QString dataLocation() const { return root() + QStringLiteral("/home/.local/share/swatchly"); }

    static void write(const QString &folder, const QString &name, const QByteArray &bytes)
    {
        QFile file(folder + QLatin1Char('/') + name);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    static QByteArray read(const QString &folder, const QString &name)
    {
        QFile file(folder + QLatin1Char('/') + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A new version of every shipped file, as an upgrade of the package brings.
    void upgrade(const QByteArray &version) const
    {
        for (const QString &name : QDir(shipped()).entryList(QDir::Files))
            write(shipped(), name, read(shipped(), name) + version);
    }

    QString resolve(bool executableFolderWritable) const
    {
        return platform::resolveProgramFolder(
            bin(), dataLocation(), { shipped() },
            [executableFolderWritable](const QString &) { return executableFolderWritable; });
    }

private:
    QTemporaryDir m_dir;
};

QStringList fileNames(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

// The kind of entry at path (file, link, FIFO ...), not following a link.
mode_t kindAt(const QString &path)
{
    struct stat status
    {
    };
    return ::lstat(platform::pathBytes(path).c_str(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

// Runs call in a child process that the alarm ends after seconds, so that a call that blocks
// or spins fails the test instead of hanging it.
bool endsWithin(unsigned seconds, const std::function<void()> &call)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(seconds);
        call();
        ::_exit(0);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
        WEXITSTATUS(status) == 0;
}

} // namespace

class ProgramFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void choosesBetweenOwnFolderAndUserData_data()
    {
        QTest::addColumn<bool>("executableFolderHoldsData");
        QTest::addColumn<bool>("executableFolderWritable");
        QTest::addColumn<bool>("usesOwnFolder");

        QTest::newRow("build folder or unpacked copy") << true << true << true;
        QTest::newRow("installed in a system folder") << false << false << false;
        QTest::newRow("installed under a writable prefix") << false << true << false;
        QTest::newRow("copy on a read-only medium") << true << false << false;
    }

    void choosesBetweenOwnFolderAndUserData()
    {
        QFETCH(bool, executableFolderHoldsData);
        QFETCH(bool, executableFolderWritable);
        QFETCH(bool, usesOwnFolder);

        InstallTree tree;
        if (executableFolderHoldsData) {
            for (const QString &name : platform::shippedDataFileNames())
                QFile::copy(tree.shipped() + QLatin1Char('/') + name,
                            tree.bin() + QLatin1Char('/') + name);
        }

        const QString chosen = tree.resolve(executableFolderWritable);

        if (usesOwnFolder) {
            QCOMPARE(chosen, tree.bin());
            QVERIFY2(!QFileInfo::exists(tree.dataLocation()),
                     "a copy that runs from its own folder leaves the user's data folder alone");
        } else {
            QCOMPARE(chosen, tree.dataLocation());
            QVERIFY(QFileInfo(chosen).isDir());
            for (const QString &name : platform::shippedDataFileNames())
                QCOMPARE(InstallTree::read(chosen, name), InstallTree::read(tree.shipped(), name));
        }
    }

    void seedingCopiesEveryShippedFileAndLeavesThemWritable()
    {
        InstallTree tree;
        // Installed files belong to the system and are read-only for the user.
        for (const QString &name : fileNames(tree.shipped()))
            QFile::setPermissions(tree.shipped() + QLatin1Char('/') + name,
                                  QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup |
                                      QFile::ReadOther);

        // The superuser may write whatever the mode: the user's start runs as an ordinary one.
        QVERIFY(test::giveToUnprivilegedUser(tree.root()));
        const QString failure = test::inChildProcess(
            [&] {
                const QString chosen = tree.resolve(false);
                QCOMPARE(chosen, tree.dataLocation());
                QCOMPARE(fileNames(chosen), fileNames(tree.shipped()));
                for (const QString &name : fileNames(chosen)) {
                    QCOMPARE(InstallTree::read(chosen, name),
                             InstallTree::read(tree.shipped(), name));
                    QFile copy(chosen + QLatin1Char('/') + name);
                    QVERIFY2(copy.open(QIODevice::Append),
                             qPrintable(name + QStringLiteral(" must stay writable for saving")));
                }
            },
            test::RunAs::Unprivileged);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(fileNames(tree.dataLocation()), fileNames(tree.shipped()));
    }

    void laterStartKeepsTheUsersFilesAndRestoresMissingOnes()
    {
        InstallTree tree;
        const QString first = tree.resolve(false);
        const QByteArray stored = "\"123456\"\r\n";
        InstallTree::write(first, QStringLiteral("UserDefColors.col"), stored);
        InstallTree::write(first, QStringLiteral("Sunset.col"), stored);
        QVERIFY(QFile::remove(first + QStringLiteral("/StartUpColors")));
        // An upgrade of the package brings new shipped files.
        InstallTree::write(tree.shipped(), QStringLiteral("UserDefColors.col"), "\"000000\"\r\n");
        InstallTree::write(tree.shipped(), QStringLiteral("Extra.col"), "\"ABCDEF\"\r\n");

        const QString second = tree.resolve(false);

        QCOMPARE(second, first);
        QCOMPARE(InstallTree::read(second, QStringLiteral("UserDefColors.col")), stored);
        QCOMPARE(InstallTree::read(second, QStringLiteral("Sunset.col")), stored);
        QCOMPARE(InstallTree::read(second, QStringLiteral("StartUpColors")),
                 InstallTree::read(tree.shipped(), QStringLiteral("StartUpColors")));
        QVERIFY(!QFileInfo::exists(second + QStringLiteral("/Extra.col"))); // no data file
    }

    // Install version N, start it, maybe change one file in the user's folder, install N+1
    // (and then N+2), start again.
    void upgradeBringsNewFilesAndKeepsTheUsersOwn_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("changedByTheUser");
        QTest::addColumn<bool>("followsUpgrades");

        QTest::newRow("help file") << QStringLiteral("swatchly.chm") << false << true;
        QTest::newRow("names list") << QStringLiteral("ListBoxColorNames.txt") << false << true;
        QTest::newRow("chart colours") << QStringLiteral("StartUpColors") << false << true;
        QTest::newRow("chart colours the user changed")
            << QStringLiteral("StartUpColors") << true << false;
        QTest::newRow("help file the user changed")
            << QStringLiteral("swatchly.chm") << true << false;
        QTest::newRow("user colours") << QStringLiteral("UserDefColors.col") << false << false;
        QTest::newRow("user colours stored")
            << QStringLiteral("UserDefColors.col") << true << false;
    }

    void upgradeBringsNewFilesAndKeepsTheUsersOwn()
    {
        QFETCH(QString, file);
        QFETCH(bool, changedByTheUser);
        QFETCH(bool, followsUpgrades);
        InstallTree tree;
        const QString folder = tree.resolve(false);
        const QByteArray firstSeeded = InstallTree::read(folder, file);
        const QByteArray usersOwn = "\"123456\"\r\n";
        if (changedByTheUser)
            InstallTree::write(folder, file, usersOwn);

        for (const char *version : { "N+1", "N+2" }) {
            tree.upgrade(version);

            QCOMPARE(tree.resolve(false), folder);

            const QByteArray expected = changedByTheUser ? usersOwn
                : followsUpgrades                        ? InstallTree::read(tree.shipped(), file)
                                                         : firstSeeded;
            QCOMPARE(InstallTree::read(folder, file), expected);
        }
    }

    void seedsFromTheFirstFolderHoldingData()
    {
        InstallTree tree;
        const QString empty = tree.root() + QStringLiteral("/usr/local/share/swatchly");
        QVERIFY(QDir().mkpath(empty));
        const QStringList shipped { tree.root() + QStringLiteral("/missing"), empty,
                                    tree.shipped() };

        const QString chosen = platform::resolveProgramFolder(
            tree.bin(), tree.dataLocation(), shipped, [](const QString &) { return false; });

        QCOMPARE(chosen, tree.dataLocation());
        QCOMPARE(fileNames(chosen), fileNames(tree.shipped()));
    }

    void readOnlyCopyWithoutInstalledDataSeedsFromItsOwnFolder()
    {
        InstallTree tree;
        InstallTree::write(tree.bin(), QStringLiteral("StartUpColors"), "\"00FF00\"\r\n");
        InstallTree::write(tree.bin(), QStringLiteral("UserDefColors.col"), ShippedUserColours);
        InstallTree::write(tree.bin(), QStringLiteral("swatchly.chm"), "help");
        // The executable and whatever else lies beside it stay where they are.
        InstallTree::write(tree.bin(), QStringLiteral("swatchly"), QByteArray(4096, 'x'));
        InstallTree::write(tree.bin(), QStringLiteral("notes.txt"), "mine");

        const QString chosen = platform::resolveProgramFolder(
            tree.bin(), tree.dataLocation(), { tree.root() + QStringLiteral("/missing") },
            [](const QString &) { return false; });

        QCOMPARE(chosen, tree.dataLocation());
        QCOMPARE(InstallTree::read(chosen, QStringLiteral("StartUpColors")), "\"00FF00\"\r\n");
        QCOMPARE(fileNames(chosen),
                 (QStringList { "StartUpColors", "UserDefColors.col", "swatchly.chm" }));
    }

    // Whatever stands in the place of a file in the user's data folder or the shipped folder,
    // a start neither waits on it nor reads it without end, and leaves it be. A link in the
    // data folder is neither written through nor followed to create a file; only the record,
    // the program's own, becomes a regular file again.
    void specialFilesAreLeftAlone_data()
    {
        QTest::addColumn<bool>("inDataFolder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        const QStringList names { "StartUpColors", "UserDefColors.col", "ListBoxColorNames.txt",
                                  "swatchly.chm" };
        for (const char *kind :
             { "FIFO", "/dev/zero", "sparse", "dangling link", "link to the copy" }) {
            for (const QString &name : names + QStringList { platform::ShippedFilesRecord })
                QTest::addRow("data folder, %s %s", qPrintable(name), kind)
                    << true << name << QString::fromLatin1(kind);
            for (const QString &name : kind[0] == 'd' || kind[0] == 'l' ? QStringList() : names)
                QTest::addRow("shipped folder, %s %s", qPrintable(name), kind)
                    << false << name << QString::fromLatin1(kind);
        }
    }

    void specialFilesAreLeftAlone()
    {
        QFETCH(bool, inDataFolder);
        QFETCH(QString, name);
        QFETCH(QString, kind);
        InstallTree tree;
        const QString folder = tree.resolve(false);
        const QByteArray seeded = InstallTree::read(folder, name);
        tree.upgrade("N+1");
        const QString path = (inDataFolder ? folder : tree.shipped()) + QLatin1Char('/') + name;
        // The copy, moved aside and linked to: the record still vouches for its bytes.
        const QString moved = path + QStringLiteral(".moved");
        if (kind == QLatin1String("link to the copy"))
            QVERIFY(QFile::rename(path, moved) && QFile::link(moved, path));
        else if (!test::placeSpecialFile(platform::pathBytes(path), kind))
            QSKIP("the file system cannot hold this kind of file");
        const mode_t placed = kindAt(path);

        QVERIFY(endsWithin(10, [&tree] { tree.resolve(false); }));

        QCOMPARE(kindAt(path), name == platform::ShippedFilesRecord ? mode_t(S_IFREG) : placed);
        QVERIFY(!QFileInfo::exists(path + QStringLiteral(".gone")));
        if (kind == QLatin1String("link to the copy"))
            QCOMPARE(InstallTree::read(folder, name + QStringLiteral(".moved")), seeded);
        if (!inDataFolder)
            QCOMPARE(InstallTree::read(folder, name), seeded);
    }

    void userDataFolderThatCannotBeMadeLeavesTheExecutableFolder()
    {
        InstallTree tree;
        // A plain file where the user's data folder's parent should be.
        InstallTree::write(tree.root(), QStringLiteral("home"), "not a folder");

        QCOMPARE(tree.resolve(false), tree.bin());
        QVERIFY(!QFileInfo(tree.dataLocation()).exists());
    }
};

SWATCHLY_TEST(ProgramFolderTest)
#include "ProgramFolderTest.moc"
