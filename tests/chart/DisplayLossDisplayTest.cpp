// A copy of the program whose X server goes away (a crashed display server, a dropped
// forwarded connection) saves what was stored before it ends. The copy runs on an X server of
// its own, which the test stops; the test's own display stays.
#include "support/ChildProcess.h"
#include "support/FakePlatform.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

using swatchly::test::FakePlatform;

class DisplayLossDisplayTest : public QObject
{
    Q_OBJECT

private slots:
    void aStoreSurvivesTheLossOfTheDisplay()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            QSKIP("Xvfb is missing; scripts/install-deps installs it");
        FakePlatform fake;
        fake.copyShippedData();
        const QByteArray before = fake.readFile(QStringLiteral("UserDefColors.col"));

        QProcess server;
        server.start(xvfb,
                     { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                       QStringLiteral("0"), QStringLiteral("640x480x24"),
                       QStringLiteral("-nolisten"), QStringLiteral("tcp") });
        const auto display = swatchly::test::waitForLine(server, "");
        QVERIFY(display && !display->isEmpty());

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":") + *display);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.remove(QStringLiteral("XAUTHORITY"));
        QProcess copy;
        swatchly::test::startChild(copy, QStringLiteral("store-and-wait"),
                                   { fake.folder(), QStringLiteral("1"), QStringLiteral("23") },
                                   false, environment);
        const auto stored = swatchly::test::waitForLine(copy, "stored ");
        QVERIFY(stored);

        server.kill();
        QVERIFY(server.waitForFinished(20000));
        QVERIFY(copy.waitForFinished(20000));
        QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
        const QByteArray after = fake.readFile(QStringLiteral("UserDefColors.col"));
        QVERIFY(after != before);
        QCOMPARE(after.split('\n').value(2), "\"" + *stored + "\"\r");
    }
};

SWATCHLY_TEST(DisplayLossDisplayTest)
#include "DisplayLossDisplayTest.moc"
