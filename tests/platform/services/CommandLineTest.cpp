// The command line: the program's own options, the toolkit's options it lets through, and
// what anything else gets.
#include "platform/services/CommandLine.h"
#include "support/TestRegistry.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace swatchly;
using Action = platform::CommandLine::Action;

Q_DECLARE_METATYPE(Action)

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void readsTheArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("printed"); // a part of what is printed

        QTest::newRow("none") << QStringList {} << Action::Run << QString();
        QTest::newRow("--help") << QStringList { "--help" } << Action::ShowHelp
                                << QStringLiteral("Usage: swatchly [OPTION]...");
        QTest::newRow("-h after a Qt option") << QStringList { "-style", "fusion", "-h" }
                                              << Action::ShowHelp << QStringLiteral("--version");
        QTest::newRow("--version") << QStringList { "--version" } << Action::ShowVersion
                                   << QStringLiteral("swatchly 9.8.7\n");
        QTest::newRow("Qt options with values, one dash or two")
            << QStringList { "-style",           "fusion",      "--platform",       "offscreen",
                             "-qwindowgeometry", "100x100+0+0", "-stylesheet=a.qss" }
            << Action::Run << QString();
        QTest::newRow("Qt flags") << QStringList { "-reverse", "--nograb" } << Action::Run
                                  << QString();
        QTest::newRow("unknown option") << QStringList { "--colour" } << Action::Fail
                                        << QStringLiteral("unknown option '--colour'");
        QTest::newRow("unknown joined value") << QStringList { "-platform=xcb" } << Action::Fail
                                              << QStringLiteral("unknown option '-platform=xcb'");
        QTest::newRow("Qt option without its value")
            << QStringList { "-style" } << Action::Fail
            << QStringLiteral("option '-style' needs a value");
        QTest::newRow("percent signs in an option") << QStringList { "--a%1%2" } << Action::Fail
                                                    << QStringLiteral("unknown option '--a%1%2'");
        QTest::newRow("a file name") << QStringList { "colours.col" } << Action::Fail
                                     << QStringLiteral("unexpected argument 'colours.col'");
        QTest::newRow("a lone dash")
            << QStringList { "-" } << Action::Fail << QStringLiteral("unexpected argument '-'");
        QTest::newRow("a value is not an option")
            << QStringList { "-style", "--help" } << Action::Run << QString();
    }

    void readsTheArguments()
    {
        QFETCH(QStringList, args);
        QFETCH(Action, action);
        QFETCH(QString, printed);
        std::vector<std::string> arguments;
        for (const QString &arg : args)
            arguments.push_back(arg.toStdString());

        const platform::CommandLine line = platform::parseCommandLine(arguments, "9.8.7");

        QCOMPARE(line.action, action);
        QVERIFY2(QString::fromStdString(line.text).contains(printed), line.text.c_str());
        if (action == Action::Fail)
            QVERIFY(line.text.ends_with("Try 'swatchly --help' for more information.\n"));
        if (action == Action::Run)
            QVERIFY(line.text.empty());
    }

    // The built program, with no display to reach: QT_QPA_PLATFORM=xcb would make it abort if
    // it started the toolkit.
    void answersWithoutADisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errors");
        QTest::newRow("--version") << "--version" << 0 << "swatchly "
                                   << "";
        QTest::newRow("--help") << "--help" << 0 << "Usage: swatchly"
                                << "";
        QTest::newRow("unknown option") << "--bogus" << 2 << ""
                                        << "unknown option '--bogus'";
        // Output that cannot be written is no success.
        QTest::newRow("--version to a full disk") << "--version >/dev/full" << 1 << ""
                                                  << "cannot write the output";
        QTest::newRow("--help to a full disk") << "--help >/dev/full" << 1 << ""
                                               << "cannot write the output";
    }

    void answersWithoutADisplay()
    {
        QFETCH(QString, option);
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(QString, errors);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        QProcess program;
        program.setProcessEnvironment(environment);
        const QStringList words = option.split(QLatin1Char(' '));
        if (words.size() > 1)
            program.setStandardOutputFile(words[1].mid(1));
        program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/swatchly"),
                      { words[0] });
        QVERIFY(program.waitForFinished(20000));

        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        const QString printed = QString::fromUtf8(program.readAllStandardOutput());
        const QString complained = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(output.isEmpty() ? printed.isEmpty() : printed.startsWith(output),
                 qPrintable(printed));
        QVERIFY2(errors.isEmpty() ? complained.isEmpty() : complained.contains(errors),
                 qPrintable(complained));
    }

    // The display names stand in the line as they are, even when they look like placeholders.
    void unreachableDisplaysAreNamedAsGiven()
    {
        const platform::Environment environment = [](const char *name) {
            return std::string_view(name) == "WAYLAND_DISPLAY" ? std::string("wayland-%1")
                                                               : std::string();
        };
        const std::string line = platform::unreachableDisplay({ "-display", ":0%2" }, environment);
        QVERIFY2(line.find("':0%2'") != std::string::npos &&
                     line.find("'wayland-%1'") != std::string::npos,
                 line.c_str());
    }

    // Without a display the program says so in one line and ends with status 1; a platform
    // that needs none still starts.
    void noDisplayIsOneLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM
        QTest::addColumn<QString>("errors"); // "" when the program runs
        QTest::newRow("nothing set") << QStringList() << ""
                                     << "neither DISPLAY nor WAYLAND_DISPLAY is set";
        QTest::newRow("Wayland, then X11") << QStringList() << "wayland;xcb"
                                           << "neither DISPLAY nor WAYLAND_DISPLAY";
        QTest::newRow("a display no server holds") << QStringList { "-display", ":7392" } << "xcb"
                                                   << "cannot connect to the X display ':7392'";
        QTest::newRow("a platform that does not exist")
            << QStringList() << "nowhere"
            << "cannot start the display platform 'nowhere'";
        QTest::newRow("-platform offscreen") << QStringList { "-platform", "offscreen" } << ""
                                             << "";
    }

    void noDisplayIsOneLine()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, platform);
        QFETCH(QString, errors);
        QTemporaryDir runtime; // holds no Wayland socket
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        if (!platform.isEmpty())
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/swatchly"), args);
        QVERIFY(program.waitForStarted());

        if (errors.isEmpty()) {
            QVERIFY2(!program.waitForFinished(1500), program.readAllStandardError().constData());
            program.terminate();
            QVERIFY(program.waitForFinished(10000));
            return;
        }
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QString complained = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(complained.startsWith(QStringLiteral("swatchly: ")) &&
                     complained.contains(errors) && complained.count(QLatin1Char('\n')) == 1 &&
                     complained.endsWith(QLatin1Char('\n')),
                 qPrintable(complained));
    }
};

SWATCHLY_TEST(CommandLineTest)
#include "CommandLineTest.moc"
