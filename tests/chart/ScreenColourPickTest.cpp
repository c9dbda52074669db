// More Colors' "Pick Screen Color" through the desktop portal, as on Wayland: the real colour
// dialog against a fake portal on a private session bus.
#include "chart/frmTintora.h"
#include "platform/services/Clipboard.h"
#include "platform/services/Dialogs.h"
#include "platform/services/ScreenPicker.h"
#include "support/FakePlatform.h"
#include "support/ModalDialogs.h"
#include "support/TestRegistry.h"

#include <QColorDialog>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDialogButtonBox>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace swatchly;
using swatchly::test::FakePlatform;

namespace {

constexpr ColourValue StartColour = 0x302010; // chart box 0, "102030"
const QString Unavailable =
    QStringLiteral("Picking a color from the screen is not available on this desktop.");

// A bus of its own (no service activation, so no real portal can start on it) with, when asked
// for, a portal whose PickColor answers as the test says.
class FakePortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    explicit FakePortal(bool withPortal)
    {
        QFile config(m_folder.filePath(QStringLiteral("bus.conf")));
        if (!config.open(QIODevice::WriteOnly))
            return;
        config.write(QStringLiteral("<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                                    "<auth>EXTERNAL</auth><policy context=\"default\">"
                                    "<allow send_destination=\"*\" eavesdrop=\"true\"/>"
                                    "<allow eavesdrop=\"true\"/><allow own=\"*\"/>"
                                    "</policy></busconfig>")
                         .arg(m_folder.path())
                         .toUtf8());
        config.close();
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       { QStringLiteral("--nofork"), QStringLiteral("--print-address"),
                         QStringLiteral("--config-file=") + config.fileName() });
        if (!m_daemon.waitForReadyRead())
            return;
        address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        m_bus = QDBusConnection::connectToBus(address, QStringLiteral("fake portal"));
        if (withPortal) {
            m_bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
            m_bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), this,
                                 QDBusConnection::ExportAllSlots);
        }
    }
    ~FakePortal() override
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("fake portal"));
        m_daemon.kill();
        m_daemon.waitForFinished();
    }

    QString address; // empty when dbus-daemon did not start
    bool fails = false; // PickColor replies with an error
    std::optional<uint> response; // nothing: the Response never comes
    QVariantMap results;
    int calls = 0;

public slots:
    QDBusObjectPath PickColor(const QString &, const QVariantMap &options,
                              const QDBusMessage &message)
    {
        ++calls;
        if (fails) {
            message.setDelayedReply(true);
            m_bus.send(message.createErrorReply(QDBusError::Failed, QStringLiteral("no")));
            return {};
        }
        // The request object a real portal makes of the caller's name and token.
        const QString handle = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                                   .arg(message.service().mid(1).replace(u'.', u'_'),
                                        options.value(QStringLiteral("handle_token")).toString());
        if (response) {
            QDBusMessage answer =
                QDBusMessage::createSignal(handle, QStringLiteral("org.freedesktop.portal.Request"),
                                           QStringLiteral("Response"));
            answer << *response << results;
            // The user picks after the call has returned.
            QTimer::singleShot(0, this, [this, answer] { m_bus.send(answer); });
        }
        return QDBusObjectPath(handle);
    }

private:
    QTemporaryDir m_folder;
    QProcess m_daemon;
    QDBusConnection m_bus { QString() };
};

QVariantMap colourResults(double red, double green, double blue)
{
    QDBusArgument colour;
    colour.beginStructure();
    colour << red << green << blue;
    colour.endStructure();
    return { { QStringLiteral("color"), QVariant::fromValue(colour) } };
}

QPushButton *screenPickerButton(QColorDialog *dialog)
{
    for (auto *button : dialog->findChildren<QPushButton *>())
        if (button->text() == QColorDialog::tr("&Pick Screen Color") && button->isVisible())
            return button;
    return nullptr;
}

} // namespace

class ScreenColourPickTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { platform::setScreenPickerPortalBus({}); }

    void offWaylandTheDialogKeepsQtsOwnPicker()
    {
        bool portalPicker = true;
        test::whenShown<QColorDialog>([&](QColorDialog *dialog) {
            portalPicker = dialog->findChild<platform::PortalColourPicker *>() != nullptr;
        });
        platform::QtMessageBoxes boxes;
        platform::QtDialogs(boxes).chooseColour(nullptr, StartColour, QStringLiteral("t"));
        QVERIFY(!portalPicker);
    }

    void pickScreenColorTakesThePortalsAnswer_data()
    {
        QTest::addColumn<QString>("portal"); // "answers", "fails", "absent" or "no bus"
        QTest::addColumn<int>("response"); // -1: never
        QTest::addColumn<QVariantMap>("results");
        QTest::addColumn<QString>("clipboard"); // after OK
        QTest::addColumn<bool>("toldUnavailable");

        const QVariantMap orange = colourResults(1.0, 0.5, 0.25);
        const QString unchanged = QStringLiteral("\"#102030\"");
        QTest::newRow("picked") << "answers" << 0 << orange << "\"#FF8040\"" << false;
        QTest::newRow("fractions rounded and clamped")
            << "answers" << 0 << colourResults(-0.5, 0.002, 1.5) << "\"#0001FF\"" << false;
        QTest::newRow("cancelled") << "answers" << 1 << orange << unchanged << false;
        QTest::newRow("ended otherwise") << "answers" << 2 << orange << unchanged << true;
        QTest::newRow("no colour") << "answers" << 0 << QVariantMap() << unchanged << true;
        QTest::newRow("never answers") << "answers" << -1 << orange << unchanged << false;
        QTest::newRow("call fails") << "fails" << 0 << orange << unchanged << true;
        QTest::newRow("no portal") << "absent" << 0 << orange << unchanged << true;
        QTest::newRow("no session bus") << "no bus" << 0 << orange << unchanged << true;
    }

    void pickScreenColorTakesThePortalsAnswer()
    {
        QFETCH(QString, portal);
        QFETCH(int, response);
        QFETCH(QVariantMap, results);
        QFETCH(QString, clipboard);
        QFETCH(bool, toldUnavailable);
        FakePortal fakePortal(portal != QLatin1String("absent"));
        QVERIFY2(!fakePortal.address.isEmpty(), "dbus-daemon (scripts/install-deps) must run");
        fakePortal.fails = portal == QLatin1String("fails");
        if (response >= 0)
            fakePortal.response = static_cast<uint>(response);
        fakePortal.results = results;
        platform::setScreenPickerPortalBus(portal == QLatin1String("no bus")
                                               ? QStringLiteral("unix:path=/nonexistent")
                                               : fakePortal.address);
        FakePlatform fake;
        fake.writeFile(QStringLiteral("StartUpColors"), QByteArray("\"102030\"\r\n").repeated(21));
        fake.writeFile(QStringLiteral("UserDefColors.col"),
                       QByteArray("\"C0C0C0\"\r\n").repeated(14));
        fake.writeFile(QStringLiteral("ListBoxColorNames.txt"), "\"Tan\",\"&HFF8000\"\r\n");
        platform::QtDialogs dialogs(fake);
        fake.services.dialogs = &dialogs;
        frmTintora window(fake);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QColor shownAfterPick;
        qsizetype answers = -1;
        test::whenShown<QColorDialog>([&](QColorDialog *dialog) {
            auto *picker = dialog->findChild<platform::PortalColourPicker *>();
            QPushButton *button = screenPickerButton(dialog);
            if (!picker || !button)
                return;
            QSignalSpy picked(picker, &platform::PortalColourPicker::picked);
            QSignalSpy cancelled(picker, &platform::PortalColourPicker::cancelled);
            QSignalSpy failed(picker, &platform::PortalColourPicker::failed);
            const auto answered = [&] { return picked.size() + cancelled.size() + failed.size(); };

            QTest::mouseClick(button, Qt::LeftButton);
            static_cast<void>(
                QTest::qWaitFor([&] { return answered() > 0; }, response < 0 ? 300 : 5000));
            answers = answered();
            shownAfterPick = dialog->currentColor();
            // Still answering: OK takes the dialog's colour.
            QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
        });

        QTest::mouseClick(window.cmdShowMeColors, Qt::LeftButton);

        QCOMPARE(answers, response < 0 ? 0 : 1);
        QCOMPARE(fakePortal.calls, portal == QLatin1String("answers") || fakePortal.fails ? 1 : 0);
        QCOMPARE(platform::clipboardText(), clipboard);
        QCOMPARE(shownAfterPick.name().toUpper(), clipboard.mid(1, 7));
        QCOMPARE(window.currentColour(),
                 RGB(shownAfterPick.red(), shownAfterPick.green(), shownAfterPick.blue()));
        QCOMPARE(fake.shown.size(), toldUnavailable ? 1 : 0);
        if (toldUnavailable)
            QCOMPARE(fake.shown[0].prompt, Unavailable);
    }
};

SWATCHLY_TEST(ScreenColourPickTest)
#include "ScreenColourPickTest.moc"
