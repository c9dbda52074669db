// The file finder: walking the entries of a folder that match a pattern, and what it says
// about the entry it stands on.
#include "platform/services/FolderSearch.h"
#include "platform/services/MessageBoxes.h"
#include "schemes/clsFindFile.h"
#include "support/FakePlatform.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <map>

using namespace swatchly;
using swatchly::test::FakePlatform;

namespace {

// A folder search that hands out a fixed list of entries.
class ScriptedFolderSearch final : public platform::FolderSearch
{
public:
    std::vector<platform::FolderEntry> entries;

    std::vector<platform::FolderEntry> find(const std::string &) override { return entries; }
};

platform::FolderEntry entryWritten(const QDateTime &localMoment, const std::string &name = "a.col")
{
    platform::FolderEntry entry;
    entry.name = name;
    entry.created = localMoment;
    entry.lastAccessed = localMoment;
    entry.lastWritten = localMoment;
    return entry;
}

void makeFile(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// Every name a walk over pattern gives.
QStringList walk(clsFindFile &finder, const QString &pattern)
{
    QStringList names;
    for (QString name = finder.Find(pattern, false); !name.isEmpty(); name = finder.FindNext())
        names.append(name);
    names.sort();
    return names;
}

} // namespace

class FindFileTest : public QObject
{
    Q_OBJECT

private slots:
    void idleFinderAnswersNothing()
    {
        FakePlatform fake;
        clsFindFile finder(*fake.services.folderSearch, fake);
        QDate date(1999, 1, 2);
        QTime time(3, 4, 5);
        QCOMPARE(finder.FileAttributes(), 0u);
        QVERIFY(!finder.IsCompressed());
        QCOMPARE(finder.NormalAttribute(), 128u);
        QCOMPARE(finder.FindNext(), QString());
        QCOMPARE(finder.GetShortName(), QString());
        QCOMPARE(finder.GetCreationDate(date, time), QString());
        QCOMPARE(finder.GetLastAccessDate(date, time), QString());
        QCOMPARE(finder.GetLastWriteDate(date, time), QString());
        QCOMPARE(date, QDate(1999, 1, 2));
        QCOMPARE(time, QTime(3, 4, 5));
        QVERIFY(fake.shown.isEmpty());
    }

    void walkGivesEveryMatchingEntry_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("star extension, any case")
            << "/*.col" << QStringList { "B.COL", "a.col", "a[1].col", "folder.col", "x.Col" };
        QTest::newRow("doubled slash")
            << "//*.col" << QStringList { "B.COL", "a.col", "a[1].col", "folder.col", "x.Col" };
        QTest::newRow("backslash after slash")
            << "/\\*.col" << QStringList { "B.COL", "a.col", "a[1].col", "folder.col", "x.Col" };
        QTest::newRow("question mark is one character")
            << "/?.col" << QStringList { "B.COL", "a.col", "x.Col" };
        QTest::newRow("star in the middle") << "/a*l" << QStringList { "a.col", "a[1].col" };
        QTest::newRow("brackets are plain characters") << "/a[1].col" << QStringList { "a[1].col" };
        QTest::newRow("exact name") << "/notes.txt" << QStringList { "notes.txt" };
        QTest::newRow("star and question mark") << "/*.?x?" << QStringList { "notes.txt" };
        QTest::newRow("everything, with the folder's own entries")
            << "/*" << QStringList { ".",        "..",         "B.COL",     "a.col",
                                     "a[1].col", "folder.col", "notes.txt", "x.Col" };
    }

    void walkGivesEveryMatchingEntry()
    {
        QFETCH(QString, pattern);
        QFETCH(QStringList, expected);
        FakePlatform fake;
        for (const char *name : { "a.col", "B.COL", "x.Col", "a[1].col", "notes.txt" })
            makeFile(fake.path(QLatin1String(name)));
        QVERIFY(QDir(fake.folder()).mkdir(QStringLiteral("folder.col")));
        clsFindFile finder(*fake.services.folderSearch, fake);
        QCOMPARE(walk(finder, fake.folder() + pattern), expected);
        QVERIFY(fake.shown.isEmpty());
    }

    void entriesCarryTheirAttributesAndShortName()
    {
        FakePlatform fake;
        makeFile(fake.path(QStringLiteral("plain.col")));
        QVERIFY(QDir(fake.folder()).mkdir(QStringLiteral("folder.col")));
        clsFindFile finder(*fake.services.folderSearch, fake);
        std::map<QString, std::uint32_t> attributes;
        for (QString name = finder.Find(fake.folder() + QStringLiteral("/*.col"), false);
             !name.isEmpty(); name = finder.FindNext()) {
            attributes[name] = finder.FileAttributes();
            QCOMPARE(finder.GetShortName(), name);
            QVERIFY(!finder.IsCompressed());
        }
        QCOMPARE(attributes.size(), std::size_t(2));
        QCOMPARE(attributes[QStringLiteral("folder.col")], 0x10u);
        QCOMPARE(attributes[QStringLiteral("plain.col")], finder.NormalAttribute());
    }

    void pastTheLastEntryTheFinderIsIdle()
    {
        FakePlatform fake;
        makeFile(fake.path(QStringLiteral("only.col")));
        clsFindFile finder(*fake.services.folderSearch, fake);
        QCOMPARE(finder.Find(fake.folder() + QStringLiteral("/*.col"), true),
                 QStringLiteral("only.col"));
        QCOMPARE(finder.FileAttributes(), 128u);
        QCOMPARE(finder.FindNext(), QString());
        QCOMPARE(finder.FindNext(), QString());
        QCOMPARE(finder.FileAttributes(), 0u);
        QCOMPARE(finder.GetShortName(), QString());
        QDate date;
        QTime time;
        QCOMPARE(finder.GetLastWriteDate(date, time), QString());
        // The search is closed, so a new Find asks nothing.
        QCOMPARE(finder.Find(fake.folder() + QStringLiteral("/*.col"), true),
                 QStringLiteral("only.col"));
        QVERIFY(fake.shown.isEmpty());
    }

    void nothingFoundIsReportedOnlyWhenAsked_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("showError");
        QTest::newRow("no match, quiet") << "/*.xyz" << false;
        QTest::newRow("no match, reported") << "/*.xyz" << true;
        QTest::newRow("missing folder, reported") << "/missing/*.col" << true;
        QTest::newRow("no file name, reported") << "/" << true;
    }

    void nothingFoundIsReportedOnlyWhenAsked()
    {
        QFETCH(QString, pattern);
        QFETCH(bool, showError);
        FakePlatform fake;
        makeFile(fake.path(QStringLiteral("a.col")));
        clsFindFile finder(*fake.services.folderSearch, fake);
        const QString path = fake.folder() + pattern;
        QCOMPARE(finder.Find(path, showError), QString());
        QCOMPARE(finder.FindNext(), QString());
        QCOMPARE(finder.FileAttributes(), 0u);
        if (!showError) {
            QVERIFY(fake.shown.isEmpty());
            return;
        }
        QCOMPARE(fake.shown.size(), 1);
        QCOMPARE(fake.shown[0].prompt, path + QStringLiteral(" could not be found!"));
        QCOMPARE(fake.shown[0].buttons, platform::Buttons::OK);
        QCOMPARE(fake.shown[0].icon, platform::Icon::Exclamation);
        QCOMPARE(fake.shown[0].title, QStringLiteral("Pigmentor"));
    }

    void secondFindWhileWalking_data()
    {
        QTest::addColumn<bool>("showError");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("secondResult");
        QTest::addColumn<QStringList>("rest");
        QTest::newRow("asked, No keeps the walk")
            << true << int(platform::Answer::No) << QString() << QStringList { "b.col", "c.col" };
        QTest::newRow("asked, Yes starts anew")
            << true << int(platform::Answer::Yes) << "notes.txt" << QStringList {};
        QTest::newRow("not asked, starts anew")
            << false << int(platform::Answer::Yes) << "notes.txt" << QStringList {};
    }

    void secondFindWhileWalking()
    {
        QFETCH(bool, showError);
        QFETCH(int, answer);
        QFETCH(QString, secondResult);
        QFETCH(QStringList, rest);
        FakePlatform fake;
        for (const char *name : { "a.col", "b.col", "c.col", "notes.txt" })
            makeFile(fake.path(QLatin1String(name)));
        fake.answers.push_back(static_cast<platform::Answer>(answer));
        clsFindFile finder(*fake.services.folderSearch, fake);
        const QString first = finder.Find(fake.folder() + QStringLiteral("/*.col"), false);
        QVERIFY(!first.isEmpty());
        QCOMPARE(finder.Find(fake.folder() + QStringLiteral("/*.txt"), showError), secondResult);
        if (showError) {
            QCOMPARE(fake.shown.size(), 1);
            QCOMPARE(fake.shown[0].prompt, QStringLiteral("Cancel the current search?"));
            QCOMPARE(fake.shown[0].buttons, platform::Buttons::YesNo);
            QCOMPARE(fake.shown[0].icon, platform::Icon::Question);
            QCOMPARE(fake.shown[0].title, QStringLiteral("Pigmentor"));
        } else {
            QVERIFY(fake.shown.isEmpty());
        }
        QStringList walked;
        for (QString name = finder.FindNext(); !name.isEmpty(); name = finder.FindNext())
            walked.append(name);
        if (secondResult.isEmpty()) {
            walked.append(first);
            walked.sort();
            QCOMPARE(walked, QStringList({ "a.col", "b.col", "c.col" }));
        } else {
            QCOMPARE(walked, rest);
        }
    }

    void datesOfARealFileInTheDefaultFormat()
    {
        FakePlatform fake;
        const QString path = fake.path(QStringLiteral("dated.col"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            const QDateTime written(QDate(2001, 7, 3), QTime(14, 5, 9));
            QVERIFY(file.setFileTime(written, QFileDevice::FileModificationTime));
            QVERIFY(file.setFileTime(written.addDays(1), QFileDevice::FileAccessTime));
        }
        clsFindFile finder(*fake.services.folderSearch, fake);
        QCOMPARE(finder.Find(fake.folder() + QStringLiteral("/dated.col"), false),
                 QStringLiteral("dated.col"));
        QDate date;
        QTime time;
        QCOMPARE(finder.GetLastWriteDate(date, time), QStringLiteral("7/3/01 2:05:09 PM"));
        QCOMPARE(date, QDate(2001, 7, 3));
        QCOMPARE(time, QTime(14, 5, 9));
        QCOMPARE(finder.GetLastAccessDate(date, time), QStringLiteral("7/4/01 2:05:09 PM"));
        QCOMPARE(date, QDate(2001, 7, 4));
        // The creation time is known only where the file system keeps it.
        const QString created = finder.GetCreationDate(date, time);
        if (created != QStringLiteral("Unknown"))
            QVERIFY2(qAbs(QDateTime(date, time).secsTo(QDateTime::currentDateTime())) < 600,
                     qPrintable(created));
    }

    void dateFormats_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        const QDateTime afternoon(QDate(2001, 7, 3), QTime(14, 5, 9));
        const QString standard = QStringLiteral("m/d/yy h:nn:ss AM/PM");
        QTest::newRow("default, afternoon") << afternoon << standard << "7/3/01 2:05:09 PM";
        QTest::newRow("default, midnight")
            << QDateTime(QDate(2010, 12, 25), QTime(0, 0, 0)) << standard << "12/25/10 12:00:00 AM";
        QTest::newRow("default, noon")
            << QDateTime(QDate(2000, 1, 9), QTime(12, 30, 0)) << standard << "1/9/00 12:30:00 PM";
        QTest::newRow("two digits, 24 hours") << afternoon << "dd/mm/yyyy hh:nn:ss"
                                              << "03/07/2001 14:05:09";
        QTest::newRow("month after hour is minutes") << afternoon << "h:mm"
                                                     << "14:05";
        QTest::newRow("month before seconds is minutes") << afternoon << "mm:ss"
                                                         << "05:09";
        QTest::newRow("names") << afternoon << "dddd, mmmm d, yyyy"
                               << "Tuesday, July 3, 2001";
        QTest::newRow("short names") << afternoon << "ddd mmm"
                                     << "Tue Jul";
        QTest::newRow("lower-case marker, quoted text") << afternoon << "\"at\" h a/p \\m"
                                                        << "at 2 p m";
        QTest::newRow("lower-case am/pm")
            << QDateTime(QDate(2001, 7, 3), QTime(9, 1, 2)) << "h:nn am/pm"
            << "9:01 am";
        QTest::newRow("weekday, quarter, day of year") << afternoon << "w q y"
                                                       << "3 3 184";
        // 2001 began on a Monday, so Sunday 7 January opens its second week.
        QTest::newRow("week holding 1 January") << QDateTime(QDate(2001, 1, 6), QTime(1, 0)) << "ww"
                                                << "1";
        QTest::newRow("first Sunday starts week 2")
            << QDateTime(QDate(2001, 1, 7), QTime(1, 0)) << "ww"
            << "2";
    }

    void dateFormats()
    {
        QFETCH(QDateTime, moment);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        FakePlatform fake;
        ScriptedFolderSearch search;
        search.entries.push_back(entryWritten(moment));
        clsFindFile finder(search, fake);
        finder.DateFormat(format);
        QCOMPARE(finder.Find(QStringLiteral("anything"), false), QStringLiteral("a.col"));
        QDate date;
        QTime time;
        QCOMPARE(finder.GetLastWriteDate(date, time), expected);
        QCOMPARE(finder.GetCreationDate(date, time), expected);
        QCOMPARE(date, moment.date());
        QCOMPARE(time, moment.time());
    }

    void missingTimeGivesTheUnknownText_data()
    {
        QTest::addColumn<QString>("unknownText");
        QTest::addColumn<QString>("expected");
        QTest::newRow("default text") << QString() << "Unknown";
        QTest::newRow("own text") << "n/a"
                                  << "n/a";
    }

    void missingTimeGivesTheUnknownText()
    {
        QFETCH(QString, unknownText);
        QFETCH(QString, expected);
        FakePlatform fake;
        ScriptedFolderSearch search;
        platform::FolderEntry entry = entryWritten(QDateTime(QDate(2001, 7, 3), QTime(14, 5, 9)));
        entry.created = QDateTime();
        search.entries.push_back(entry);
        clsFindFile finder(search, fake);
        if (!unknownText.isEmpty())
            finder.UnknownDateText(unknownText);
        finder.Find(QStringLiteral("anything"), false);
        QDate date(1999, 1, 2);
        QTime time(3, 4, 5);
        QCOMPARE(finder.GetCreationDate(date, time), expected);
        QCOMPARE(date, QDate(1999, 1, 2));
        QCOMPARE(time, QTime(3, 4, 5));
        QCOMPARE(finder.GetLastWriteDate(date, time), QStringLiteral("7/3/01 2:05:09 PM"));
    }

    void compressedEntryIsReported()
    {
        FakePlatform fake;
        ScriptedFolderSearch search;
        platform::FolderEntry entry = entryWritten(QDateTime::currentDateTime());
        entry.compressed = true;
        search.entries.push_back(entry);
        clsFindFile finder(search, fake);
        finder.Find(QStringLiteral("anything"), false);
        QVERIFY(finder.IsCompressed());
        QCOMPARE(finder.FileAttributes(), 0x800u);
        QCOMPARE(finder.FindNext(), QString());
        QVERIFY(!finder.IsCompressed());
    }
};

SWATCHLY_TEST(FindFileTest)
#include "FindFileTest.moc"
