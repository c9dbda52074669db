// The File menu and toolbar commands: which command each toolbar key and menu item runs, the
// About box, the modal e-mail window, the menu pictures and the command keys.
#include "chart/frmTintora.h"
#include "commands/AboutBox.h"
#include "commands/frmSendEmail.h"
#include "platform/controls/Pictures.h"
#include "platform/services/ProgramFolder.h"
#include "schemes/frmSavetxt.h"
#include "support/FakePlatform.h"
#include "support/TestRegistry.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace swatchly;
using swatchly::test::FakePlatform;

namespace {

// Closes each e-mail window that opens modally, once its activation has filled it in, after
// letting the test look at it.
class EmailWindowCloser
{
public:
    explicit EmailWindowCloser(std::function<void(frmSendEmail &)> inspect = {})
        : m_inspect(std::move(inspect))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(10);
    }

    int opened = 0;

private:
    void poll()
    {
        auto *window = qobject_cast<frmSendEmail *>(QApplication::activeModalWidget());
        if (!window) {
            m_waited.invalidate();
            return;
        }
        if (!m_waited.isValid())
            m_waited.start();
        if (window->txtSubject->text().isEmpty() && m_waited.elapsed() < 5000)
            return;
        ++opened;
        if (m_inspect)
            m_inspect(*window);
        window->close();
        m_waited.invalidate();
    }

    std::function<void(frmSendEmail &)> m_inspect;
    QTimer m_timer;
    QElapsedTimer m_waited;
};

frmSavetxt *visibleSchemeWindow()
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<frmSavetxt *>(top); found && found->isVisible())
            return found;
    return nullptr;
}

QAction *toolbarAction(const frmTintora &window, const QString &key)
{
    for (QAction *action : window.Toolbar1->actions())
        if (!action->isSeparator() && action->data().toString() == key)
            return action;
    return nullptr;
}

} // namespace

class CommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void toolbarDispatchMatchesKeysExactly_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("abouts");
        QTest::addColumn<int>("emails");
        QTest::addColumn<int>("helps");
        QTest::addColumn<int>("schemeOption"); // -1: no scheme window
        QTest::newRow("About") << "About" << 1 << 0 << 0 << -1;
        QTest::newRow("Email") << "Email" << 0 << 1 << 0 << -1;
        QTest::newRow("Import") << "Import" << 0 << 0 << 0 << 0;
        QTest::newRow("Export") << "Export" << 0 << 0 << 0 << 1;
        QTest::newRow("Help") << "Help" << 0 << 0 << 1 << -1;
        QTest::newRow("separator") << "" << 0 << 0 << 0 << -1;
        QTest::newRow("lower case import") << "import" << 0 << 0 << 0 << -1;
        QTest::newRow("upper case about") << "ABOUT" << 0 << 0 << 0 << -1;
        QTest::newRow("lower case email") << "email" << 0 << 0 << 0 << -1;
        QTest::newRow("lower case help") << "help" << 0 << 0 << 0 << -1;
        QTest::newRow("trailing blank") << "About " << 0 << 0 << 0 << -1;
        QTest::newRow("menu caption") << "&About..." << 0 << 0 << 0 << -1;
        QTest::newRow("unknown") << "Exit" << 0 << 0 << 0 << -1;
    }

    void toolbarDispatchMatchesKeysExactly()
    {
        QFETCH(QString, key);
        QFETCH(int, abouts);
        QFETCH(int, emails);
        QFETCH(int, helps);
        QFETCH(int, schemeOption);
        FakePlatform fake;
        frmTintora window(fake);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        EmailWindowCloser closer;
        window.Toolbar1_ButtonClick(key);
        QCOMPARE(fake.aboutRequests.size(), abouts);
        QCOMPARE(closer.opened, emails);
        QCOMPARE(fake.helpCalls.size(), helps);
        QPointer<frmSavetxt> schemes = visibleSchemeWindow();
        QCOMPARE(schemes != nullptr, schemeOption >= 0);
        QCOMPARE(window.isVisible(), schemeOption < 0);
        if (schemes) {
            QVERIFY(schemes->optOpenSave[static_cast<std::size_t>(schemeOption)]->isChecked());
            schemes->close();
            QTRY_VERIFY(!schemes);
        }
        QVERIFY(fake.shown.isEmpty());
        QVERIFY(fake.openedUrls.isEmpty());
        QVERIFY(fake.startedPrograms.isEmpty());
    }

    void toolbarHoldsItsKeysInOrderAndSeparatorsRunNothing()
    {
        FakePlatform fake;
        frmTintora window(fake);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        EmailWindowCloser closer;

        QStringList keys;
        for (QAction *action : window.Toolbar1->actions())
            keys << (action->isSeparator() ? QStringLiteral("|") : action->data().toString());
        QCOMPARE(keys,
                 QStringList({ "Import", "Export", "|", "|", "About", "Help", "|", "Email" }));

        // Separators are no buttons: clicking them runs nothing.
        for (QAction *action : window.Toolbar1->actions()) {
            if (!action->isSeparator())
                continue;
            QWidget *separator = window.Toolbar1->widgetForAction(action);
            QVERIFY(separator);
            QTest::mouseClick(separator, Qt::LeftButton);
        }
        QVERIFY(fake.aboutRequests.isEmpty());
        QCOMPARE(closer.opened, 0);
    }

    void toolbarButtonsAndMenuItemsRunTheirCommands_data()
    {
        QTest::addColumn<bool>("toolbar");
        QTest::newRow("toolbar buttons") << true;
        QTest::newRow("menu items") << false;
    }

    void toolbarButtonsAndMenuItemsRunTheirCommands()
    {
        QFETCH(bool, toolbar);
        FakePlatform fake;
        frmTintora window(fake);
        if (toolbar) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
        EmailWindowCloser closer;
        const QMap<QString, QAction *> items = { { "About", window.mnuAbout },
                                                 { "Email", window.mnuEmail },
                                                 { "Help", window.mnuHelp },
                                                 { "Import", window.mnuImport },
                                                 { "Export", window.mnuExport } };
        auto run = [&](const char *key) {
            if (!toolbar) {
                items.value(QLatin1String(key))->trigger();
                return;
            }
            QWidget *button =
                window.Toolbar1->widgetForAction(toolbarAction(window, QLatin1String(key)));
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
        };

        run("About");
        QCOMPARE(fake.aboutRequests.size(), 1);
        QCOMPARE(closer.opened, 0);
        run("Email");
        QCOMPARE(closer.opened, 1);
        QCOMPARE(fake.aboutRequests.size(), 1);
        run("Help");
        QCOMPARE(fake.helpCalls.size(), 1);
        for (int option : { 0, 1 }) {
            run(option == 0 ? "Import" : "Export");
            QPointer<frmSavetxt> schemes = visibleSchemeWindow();
            QVERIFY(schemes && schemes->optOpenSave[static_cast<std::size_t>(option)]->isChecked());
            schemes->close();
            QTRY_VERIFY(!schemes);
        }
        QCOMPARE(fake.aboutRequests.size(), 1);
        QCOMPARE(closer.opened, 1);
        QVERIFY(fake.shown.isEmpty());
    }

    void aboutBoxShowsTitleProgramNoticeAndIcon()
    {
        FakePlatform fake;
        frmTintora window(fake);
        // Another owner shows its own icon.
        QWidget other;
        QPixmap otherIcon(16, 16);
        otherIcon.fill(Qt::red);
        other.setWindowIcon(QIcon(otherIcon));
        window.mnuAbout_Click(3);
        modChromel::ShowAboutBox(fake, &other);
        QCOMPARE(fake.aboutRequests.size(), 2);
        QCOMPARE(fake.aboutRequests[0].owner, &window);
        QCOMPARE(fake.aboutRequests[1].owner, &other);
        for (const auto &about : fake.aboutRequests) {
            QCOMPARE(about.title, QStringLiteral("Pigmentor"));
            QVERIFY2(about.text.startsWith(QStringLiteral("Swatchly\n")), qPrintable(about.text));
            const QString notice = about.text.mid(9);
            QVERIFY(!notice.trimmed().isEmpty());
            QVERIFY2(!notice.contains(QLatin1Char('\n')) && !notice.contains(QLatin1Char('\r')),
                     qPrintable(notice));
            QVERIFY(about.hasIcon);
        }
        QCOMPARE(fake.aboutRequests[1].text, fake.aboutRequests[0].text);
    }

    void aboutBoxShowsTheVersionOfTheBuild()
    {
        QFile cmake(QStringLiteral(SWATCHLY_SOURCE_DIR "/CMakeLists.txt"));
        QVERIFY(cmake.open(QIODevice::ReadOnly | QIODevice::Text));
        const auto version = QRegularExpression(QStringLiteral(R"(project\(\S+ VERSION (\S+))"))
                                 .match(QString::fromUtf8(cmake.readAll()));
        QVERIFY(version.hasMatch());
        FakePlatform fake;
        modChromel::ShowAboutBox(fake, nullptr);
        QCOMPARE(fake.aboutRequests.size(), 1);
        const QString text = fake.aboutRequests[0].text;
        QVERIFY2(text.endsWith(QStringLiteral(" Version ") + version.captured(1)),
                 qPrintable(text));
    }

    void emailWindowIsModalOverTheVisibleMainWindow()
    {
        FakePlatform fake;
        frmTintora window(fake);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int looked = 0;
        {
            EmailWindowCloser closer([&](frmSendEmail &email) {
                ++looked;
                QCOMPARE(email.parentWidget(), &window);
                QVERIFY(email.isModal());
                QVERIFY(email.isVisible());
                QVERIFY(window.isVisible());
                QVERIFY(!email.txtSubject->text().isEmpty());
                QCOMPARE(email.cboBody->listCount(), 5);
                // Typed now, gone at the next opening.
                email.txtCC->setText(QStringLiteral("someone@example.com"));
            });
            window.mnuEmail_Click(5);
            QCOMPARE(looked, 1);
        }
        QVERIFY(window.findChildren<frmSendEmail *>().isEmpty());

        EmailWindowCloser again([&](frmSendEmail &email) {
            ++looked;
            QVERIFY(email.txtCC->text().isEmpty());
            QCOMPARE(email.txtMainAddresses->text(), QStringLiteral("feedback@swatchly.org"));
            QCOMPARE(email.cboBody->listCount(), 5);
        });
        window.mnuEmail_Click(5);
        QCOMPARE(looked, 2);
    }

    void importAndExportOpenAFreshSchemeWindowWithOnlyTheirOptionChosen_data()
    {
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<int>("chosen");
        QTest::newRow("Import from the menu") << QStringList { "mnuImport" } << 0;
        QTest::newRow("Export from the menu") << QStringList { "mnuExport" } << 1;
        QTest::newRow("Import from the toolbar") << QStringList { "Import" } << 0;
        QTest::newRow("Export from the toolbar") << QStringList { "Export" } << 1;
        QTest::newRow("Import after Export") << QStringList { "Export", "mnuImport" } << 0;
        QTest::newRow("Export after Import") << QStringList { "mnuImport", "Export" } << 1;
    }

    void importAndExportOpenAFreshSchemeWindowWithOnlyTheirOptionChosen()
    {
        QFETCH(QStringList, commands);
        QFETCH(int, chosen);
        FakePlatform fake;
        fake.copyShippedData();
        fake.writeFile(QStringLiteral("Sunset.col"), QByteArray(140, 'x'));
        frmTintora window(fake);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QPointer<frmSavetxt> schemes;
        for (const QString &command : commands) {
            // Each opening follows a closing, as it does for a user: the scheme window hides
            // the main window and its menu and toolbar with it.
            if (schemes)
                schemes->close();
            QTRY_VERIFY(!schemes);
            QVERIFY(window.isVisible());
            if (command == QLatin1String("mnuImport"))
                window.mnuImport->trigger();
            else if (command == QLatin1String("mnuExport"))
                window.mnuExport->trigger();
            else
                QTest::mouseClick(window.Toolbar1->widgetForAction(toolbarAction(window, command)),
                                  Qt::LeftButton);
            schemes = visibleSchemeWindow();
            QVERIFY(schemes);
        }
        QVERIFY(schemes->isVisible());
        QVERIFY(!window.isVisible());
        QCOMPARE(schemes->optOpenSave[static_cast<std::size_t>(chosen)]->isChecked(), true);
        QCOMPARE(schemes->optOpenSave[static_cast<std::size_t>(1 - chosen)]->isChecked(), false);
        QCOMPARE(schemes->cmdOpen->isEnabled(), chosen == 0);
        QCOMPARE(schemes->cmdSave->isEnabled(), chosen == 1);
        QCOMPARE(schemes->cmdDelete->isEnabled(), chosen == 0);
        QCOMPARE(schemes->Combo1->text(), QString());
        QCOMPARE(schemes->Combo1->listCount(), 2); // Sunset.col and UserDefColors.col

        schemes->close();
        QTRY_VERIFY(!schemes);
        QVERIFY(window.isVisible());
    }

    void helpOpensTheProgramFoldersHelpFileInItsWindow()
    {
        FakePlatform fake;
        frmTintora window(fake);
        window.mnuHelp->trigger();
        window.Toolbar1_ButtonClick(QStringLiteral("Help"));
        QCOMPARE(fake.helpCalls.size(), 2);
        for (const auto &call : fake.helpCalls) {
            QCOMPARE(call.file, fake.services.programFilePath(QStringLiteral("swatchly.chm")));
            QCOMPARE(call.window, QStringLiteral("swatchwin"));
            QCOMPARE(call.command, 0);
            QCOMPARE(call.data, 0);
        }
        QVERIFY(fake.helpCalls.first().file.startsWith(fake.folder()));
    }

    void helpWithoutTheHelpFileLeavesEverythingAsItWas()
    {
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const ColourValue current = window.currentColour();
        window.mnuHelp_Click(7);
        window.Toolbar1_ButtonClick(QStringLiteral("Help"));
        QVERIFY(window.isVisible());
        QCOMPARE(window.currentColour(), current);
        QVERIFY(fake.shown.isEmpty());
    }

    void menuPicturesSitBesideTheirItemsInBothSizes()
    {
        FakePlatform fake;
        frmTintora window(fake);
        const QList<QAction *> items = window.mnuFile->actions();
        QCOMPARE(items.size(), 10);
        const std::array<platform::ImageHolder *, 10> pictures {
            window.imImport, window.imExport, nullptr,       window.imAbout, nullptr,
            window.imEmail,  nullptr,         window.imHelp, nullptr,        window.imExit,
        };
        const std::array<QAction *, 10> expected {
            window.mnuImport, window.mnuExport, nullptr,        window.mnuAbout, nullptr,
            window.mnuEmail,  nullptr,          window.mnuHelp, nullptr,         window.mnuExit,
        };
        for (std::size_t position = 0; position < pictures.size(); ++position) {
            QAction *item = items.at(static_cast<qsizetype>(position));
            if (!pictures[position]) {
                QVERIFY(item->isSeparator());
                continue;
            }
            QCOMPARE(item, expected[position]);
            const QIcon icon = item->icon();
            QVERIFY2(!icon.isNull(), qPrintable(item->objectName()));
            const QSize size = pictures[position]->picture().size();
            QCOMPARE(icon.pixmap(size, 1.0).toImage(), pictures[position]->picture().toImage());
            // The doubled picture is there for high-DPI screens.
            QVERIFY2(icon.availableSizes().contains(size * 2), qPrintable(item->objectName()));
        }
        for (const QIcon &picture : window.ImageList1)
            QVERIFY(picture.availableSizes().contains(QSize(32, 32)));
    }

    void helpMenuShowsCtrlH()
    {
        FakePlatform fake;
        frmTintora window(fake);
        QCOMPARE(window.mnuHelp->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
        QVERIFY(window.mnuHelp->shortcuts().contains(QKeySequence(Qt::Key_F1)));
    }

    void commandKeysWorkWhileTypingInABox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        struct Command
        {
            const char *name;
            int key;
            int modifiers = Qt::ControlModifier;
        };
        const QList<Command> commands {
            { "mnuImport", Qt::Key_I }, { "mnuExport", Qt::Key_P },
            { "mnuAbout", Qt::Key_A },  { "mnuEmail", Qt::Key_E },
            { "mnuHelp", Qt::Key_H },   { "mnuHelp", Qt::Key_F1, Qt::NoModifier },
        };
        for (const char *box : { "txtColValue(0)", "Combo1", "txtHexValue" })
            for (const Command &command : commands)
                QTest::addRow("%s %s in %s", command.name,
                              qPrintable(QKeySequence(command.key | command.modifiers).toString()),
                              box)
                    << box << command.name << command.key << command.modifiers;
    }

    void commandKeysWorkWhileTypingInABox()
    {
        QFETCH(QString, box);
        QFETCH(QString, command);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        EmailWindowCloser closer;

        QWidget *target = nullptr;
        std::function<QString()> text;
        std::function<bool()> selected;
        if (box == QLatin1String("txtColValue(0)")) {
            auto *edit = window.txtColValue[0];
            target = edit;
            text = [edit] { return edit->text(); };
            selected = [edit] { return edit->hasSelectedText(); };
        } else if (box == QLatin1String("Combo1")) {
            auto *edit = window.Combo1->lineEdit();
            target = edit;
            text = [edit] { return edit->text(); };
            selected = [edit] { return edit->hasSelectedText(); };
        } else {
            auto *edit = window.txtHexValue;
            target = edit;
            text = [edit] { return edit->text(); };
            selected = [edit] { return edit->textCursor().hasSelection(); };
        }
        target->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(target->hasFocus() || window.Combo1->hasFocus());
        if (auto *edit = qobject_cast<QLineEdit *>(target))
            edit->deselect();
        else
            window.txtHexValue->moveCursor(QTextCursor::End);
        const QString before = text();
        QVERIFY(!selected());

        auto *action = window.findChild<QAction *>(command);
        QVERIFY(action);
        QSignalSpy triggered(action, &QAction::triggered);
        QTest::keyClick(target, static_cast<Qt::Key>(key),
                        static_cast<Qt::KeyboardModifiers>(modifiers));
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(fake.helpCalls.size(), command == QLatin1String("mnuHelp") ? 1 : 0);
        QCOMPARE(text(), before);
        QVERIFY(!selected());
        if (command == QLatin1String("mnuAbout"))
            QCOMPARE(fake.aboutRequests.size(), 1);
        QCOMPARE(closer.opened, command == QLatin1String("mnuEmail") ? 1 : 0);
    }
};

SWATCHLY_TEST(CommandsTest)

#include "CommandsTest.moc"
