// The help launcher: the exact file, window, command and data it hands to the help viewer.
#include "commands/CHelp.h"
#include "platform/services/ProgramFolder.h"
#include "support/FakePlatform.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QTest>

#include <climits>

using namespace swatchly;
using swatchly::test::FakePlatform;

class HelpLauncherTest : public QObject
{
    Q_OBJECT

private slots:
    void showOpensTheDefaultTopicOfTheTarget_data()
    {
        QTest::addColumn<QString>("newFile");
        QTest::addColumn<QString>("windowPane");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("window");

        QTest::newRow("file and window") << "/opt/swatchly/swatchly.chm"
                                         << "swatchwin"
                                         << "/opt/swatchly/swatchly.chm"
                                         << "swatchwin";
        QTest::newRow("blanks at either end of both") << "   /opt/swatchly/swatchly.chm  "
                                                      << "  swatchwin   "
                                                      << "/opt/swatchly/swatchly.chm"
                                                      << "swatchwin";
        QTest::newRow("blanks inside names stay") << " /home/me/my help/swatchly.chm"
                                                  << "swatch win "
                                                  << "/home/me/my help/swatchly.chm"
                                                  << "swatch win";
        QTest::newRow("empty window keeps the file as passed") << "  /opt/swatchly/swatchly.chm   "
                                                               << ""
                                                               << "  /opt/swatchly/swatchly.chm   "
                                                               << "";
        QTest::newRow("window of blanks is not empty") << " /opt/swatchly/swatchly.chm "
                                                       << "   "
                                                       << "/opt/swatchly/swatchly.chm"
                                                       << "";
        QTest::newRow("only blanks are trimmed, not tabs") << "\t/opt/swatchly/swatchly.chm "
                                                           << " swatchwin\t"
                                                           << "\t/opt/swatchly/swatchly.chm"
                                                           << "swatchwin\t";
        QTest::newRow("windows path") << "C:\\Program Files\\Swatchly\\swatchly.chm"
                                      << "swatchwin"
                                      << "C:\\Program Files\\Swatchly\\swatchly.chm"
                                      << "swatchwin";
    }

    void showOpensTheDefaultTopicOfTheTarget()
    {
        QFETCH(QString, newFile);
        QFETCH(QString, windowPane);
        QFETCH(QString, file);
        QFETCH(QString, window);
        FakePlatform fake;

        CHelp(fake).Show(newFile, windowPane);

        QCOMPARE(fake.helpCalls.size(), 1);
        QCOMPARE(fake.helpCalls[0].file, file);
        QCOMPARE(fake.helpCalls[0].window, window);
        QCOMPARE(fake.helpCalls[0].command, 0); // HH_DISPLAY_TOPIC
        QCOMPARE(fake.helpCalls[0].data, 0);
        QVERIFY(fake.shown.isEmpty());
    }

    void contextNumberAsksForItsTopic_data()
    {
        QTest::addColumn<QString>("windowPane");
        QTest::addColumn<int>("contextId");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("window");

        QTest::newRow("mapped topic") << "swatchwin" << 1030 << "/p/swatchly.chm"
                                      << "swatchwin";
        QTest::newRow("zero is a number too") << "swatchwin" << 0 << "/p/swatchly.chm"
                                              << "swatchwin";
        QTest::newRow("negative") << " swatchwin" << -7 << "/p/swatchly.chm"
                                  << "swatchwin";
        QTest::newRow("largest") << "swatchwin" << INT_MAX << "/p/swatchly.chm"
                                 << "swatchwin";
        QTest::newRow("smallest") << "swatchwin" << INT_MIN << "/p/swatchly.chm"
                                  << "swatchwin";
        QTest::newRow("no window") << "" << 1000 << " /p/swatchly.chm"
                                   << "";
    }

    void contextNumberAsksForItsTopic()
    {
        QFETCH(QString, windowPane);
        QFETCH(int, contextId);
        QFETCH(QString, file);
        QFETCH(QString, window);
        FakePlatform fake;

        CHelp(fake).Show(QStringLiteral(" /p/swatchly.chm"), windowPane, contextId);

        QCOMPARE(fake.helpCalls.size(), 1);
        QCOMPARE(fake.helpCalls[0].file, file);
        QCOMPARE(fake.helpCalls[0].window, window);
        QCOMPARE(fake.helpCalls[0].command, 15); // HH_HELP_CONTEXT
        QCOMPARE(fake.helpCalls[0].data, contextId);
    }

    void helpCommandOpensSwatchwinInTheProgramFolder()
    {
        FakePlatform fake;

        CHelp help(fake);
        help.Show(fake.services.programFilePath(QStringLiteral("swatchly.chm")),
                  QStringLiteral("swatchwin"));

        QCOMPARE(fake.helpCalls.size(), 1);
        QCOMPARE(fake.helpCalls[0].file,
                 fake.folder() + QDir::separator() + QStringLiteral("swatchly.chm"));
        QCOMPARE(fake.helpCalls[0].window, QStringLiteral("swatchwin"));
        QCOMPARE(fake.helpCalls[0].command, 0);
        QCOMPARE(fake.helpCalls[0].data, 0);
    }

    void oneLauncherKeepsNothingBetweenCalls()
    {
        FakePlatform fake;
        CHelp help(fake);

        help.Show(QStringLiteral("a.chm "), QStringLiteral("first"), 5);
        help.Show(QStringLiteral(" b.chm"), QString());

        QCOMPARE(fake.helpCalls.size(), 2);
        QCOMPARE(fake.helpCalls[0].file, QStringLiteral("a.chm"));
        QCOMPARE(fake.helpCalls[0].window, QStringLiteral("first"));
        QCOMPARE(fake.helpCalls[0].command, 15);
        QCOMPARE(fake.helpCalls[0].data, 5);
        QCOMPARE(fake.helpCalls[1].file, QStringLiteral(" b.chm"));
        QCOMPARE(fake.helpCalls[1].window, QString());
        QCOMPARE(fake.helpCalls[1].command, 0);
        QCOMPARE(fake.helpCalls[1].data, 0);
    }
};

SWATCHLY_TEST(HelpLauncherTest)
#include "HelpLauncherTest.moc"
