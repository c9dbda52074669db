// Deleting scheme files from the scheme window.
#include "chart/frmTintora.h"
#include "platform/services/Clipboard.h"
#include "platform/services/MessageBoxes.h"
#include "schemes/frmSavetxt.h"
#include "support/FakePlatform.h"
#include "support/FaultyFileSystem.h"
#include "support/TestRegistry.h"
#include "support/WindowContents.h"

#include <QDir>
#include <QPointer>
#include <QTest>

using namespace swatchly;
using swatchly::test::FakePlatform;
using swatchly::test::FaultyFileSystem;
using swatchly::test::listOf;

namespace {

QStringList folderEntries(const FakePlatform &fake)
{
    return QDir(fake.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

void pick(frmSavetxt &window, const QString &item)
{
    const int index = window.Combo1->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    emit window.Combo1->activated(index);
    QCOMPARE(window.Combo1->text(), item);
}

// Types text into the name box, then takes back the last `backspaces` characters (or the
// completed tail first), as a user does to keep completion from finishing a name.
void typeThenBackspace(frmSavetxt &window, const QString &text, int backspaces)
{
    QLineEdit *edit = window.Combo1->lineEdit();
    QTest::keyClicks(edit, text);
    for (int i = 0; i < backspaces; ++i)
        QTest::keyClick(edit, Qt::Key_Backspace);
}

const QString Question = QStringLiteral(
    "Delete %1     ... Is this your Final Answer?\r\n\r\nHint: You may Change (Export) this "
    "Color Scheme instead of Deleting this file.");

struct Opened
{
    FakePlatform fake;
    std::unique_ptr<frmTintora> main;
    QPointer<frmSavetxt> window;

    explicit Opened(int option = 0)
    {
        fake.copyShippedData();
        fake.writeFile(QStringLiteral("Dusk.col"), "\"000000\"\r\n");
        fake.writeFile(QStringLiteral("Sunset.col"), "\"000000\"\r\n");
        main = std::make_unique<frmTintora>(fake);
        main->show();
        window = frmSavetxt::open(*main, option);
    }
    ~Opened() { main.reset(); }
};

} // namespace

class DeleteSchemeTest : public QObject
{
    Q_OBJECT

private slots:
    void emptyNameAsksForOne()
    {
        Opened opened;
        const QStringList before = folderEntries(opened.fake);
        opened.window->cmdDelete->click();
        const auto &shown = opened.fake.shown;
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].prompt, QStringLiteral("<<<Please list a file to Delete >>>."));
        QCOMPARE(shown[0].title, QStringLiteral("No File Listed..."));
        QCOMPARE(shown[0].buttons, platform::Buttons::OK);
        QCOMPARE(shown[0].icon, platform::Icon::Information);
        QCOMPARE(folderEntries(opened.fake), before);
        QVERIFY(opened.window->isVisible());
    }

    void usersSpecialColorsFileIsNeverDeleted_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("name");
        QTest::newRow("typed without completion") << true << "UserDefColors";
        QTest::newRow("picked from the list") << false << "UserDefColors.col";
    }

    void usersSpecialColorsFileIsNeverDeleted()
    {
        QFETCH(bool, typed);
        QFETCH(QString, name);
        Opened opened;
        if (typed)
            typeThenBackspace(*opened.window, name, 1); // Backspace takes the completed ".col"
        else
            pick(*opened.window, name);
        QCOMPARE(opened.window->Combo1->text(), name);
        const QStringList list = listOf(*opened.window);
        opened.window->cmdDelete->click();

        const auto &shown = opened.fake.shown;
        QCOMPARE(shown.size(), 1); // told at once, never asked
        QCOMPARE(shown[0].prompt, QStringLiteral("You may only Export (Change) this File."));
        QCOMPARE(shown[0].title, QStringLiteral("System File, Can Not Delete!"));
        QCOMPARE(shown[0].buttons, platform::Buttons::OK);
        QCOMPARE(shown[0].icon, platform::Icon::Critical);
        QVERIFY(opened.fake.exists(QStringLiteral("UserDefColors.col")));
        QCOMPARE(listOf(*opened.window), list);
    }

    void deletingAListedScheme_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes deletes") << int(platform::Answer::Yes);
        QTest::newRow("No keeps") << int(platform::Answer::No);
    }

    void deletingAListedScheme()
    {
        QFETCH(int, answer);
        const bool yes = answer == int(platform::Answer::Yes);
        Opened opened;
        pick(*opened.window, QStringLiteral("Dusk.col"));
        opened.fake.answers.push_back(static_cast<platform::Answer>(answer));
        opened.window->cmdDelete->click();

        const auto &shown = opened.fake.shown;
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].prompt, Question.arg(QStringLiteral("Dusk.col")));
        QCOMPARE(shown[0].title, QStringLiteral("I don't want this File any more. Correct?"));
        QCOMPARE(shown[0].buttons, platform::Buttons::YesNo);
        QCOMPARE(shown[0].icon, platform::Icon::Critical);
        QCOMPARE(opened.fake.exists(QStringLiteral("Dusk.col")), !yes);
        QVERIFY(opened.fake.exists(QStringLiteral("Sunset.col")));
        QCOMPARE(listOf(*opened.window),
                 yes ? QStringList({ "Sunset.col", "UserDefColors.col" })
                     : QStringList({ "Dusk.col", "Sunset.col", "UserDefColors.col" }));
        QCOMPARE(opened.window->Combo1->text(), yes ? QString() : QStringLiteral("Dusk.col"));
        // The window stays open in import mode.
        QVERIFY(opened.window->isVisible());
        QVERIFY(opened.window->cmdDelete->isEnabled());
        QVERIFY(!opened.main->isVisible());
    }

    void nameNotInTheListIsNoSuchFile_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("backspaces");
        QTest::addColumn<QString>("name");
        QTest::newRow("not listed") << "Nope" << 0 << "Nope";
        QTest::newRow("listed name without its extension") << "Dusk" << 1 << "Dusk";
        // Pasting one character too many keeps completion out; Backspace takes it off again.
        QTest::newRow("differs in case") << "dusk.colx" << 1 << "dusk.col";
    }

    void nameNotInTheListIsNoSuchFile()
    {
        QFETCH(QString, typed);
        QFETCH(int, backspaces);
        QFETCH(QString, name);
        Opened opened;
        if (typed.contains(QLatin1Char('.'))) {
            platform::clipboardSetText(typed);
            QTest::keyClick(opened.window->Combo1->lineEdit(), Qt::Key_V, Qt::ControlModifier);
            for (int i = 0; i < backspaces; ++i)
                QTest::keyClick(opened.window->Combo1->lineEdit(), Qt::Key_Backspace);
        } else {
            typeThenBackspace(*opened.window, typed, backspaces);
        }
        QCOMPARE(opened.window->Combo1->text(), name);
        const QStringList list = listOf(*opened.window);
        const QStringList entries = folderEntries(opened.fake);
        FaultyFileSystem files(opened.fake);
        opened.window->cmdDelete->click();

        const auto &shown = opened.fake.shown;
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].prompt, Question.arg(name));
        QCOMPARE(shown[1].prompt, QStringLiteral("You can not delete a file that doesn't exist!"));
        QCOMPARE(shown[1].title, QStringLiteral("No such File!"));
        QCOMPARE(shown[1].buttons, platform::Buttons::OK);
        QCOMPARE(shown[1].icon, platform::Icon::Critical);
        QCOMPARE(files.requests, QStringList());
        QCOMPARE(folderEntries(opened.fake), entries);
        QCOMPARE(listOf(*opened.window), list);
        QCOMPARE(opened.window->Combo1->text(), QString());
    }

    void failedDeleteKeepsTheListAndTheName_data()
    {
        QTest::addColumn<bool>("goneAlready");
        QTest::addColumn<QString>("message");
        QTest::newRow("already gone from the folder")
            << true << "There was a problem with this file! 53File not found";
        QTest::newRow("refused by the file system")
            << false << "There was a problem with this file! 70Permission denied";
    }

    void failedDeleteKeepsTheListAndTheName()
    {
        QFETCH(bool, goneAlready);
        QFETCH(QString, message);
        Opened opened;
        pick(*opened.window, QStringLiteral("Dusk.col"));
        FaultyFileSystem files(opened.fake);
        if (goneAlready)
            QVERIFY(QFile::remove(opened.fake.path(QStringLiteral("Dusk.col"))));
        else
            files.failRemove = fileErrors::PermissionDenied;
        const QStringList list = listOf(*opened.window);
        opened.window->cmdDelete->click();

        const auto &shown = opened.fake.shown;
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[1].prompt, message);
        QCOMPARE(shown[1].buttons, platform::Buttons::OK);
        QCOMPARE(shown[1].icon, platform::Icon::None);
        QCOMPARE(shown[1].title, QStringLiteral("Pigmentor"));
        QCOMPARE(listOf(*opened.window), list);
        QCOMPARE(opened.window->Combo1->text(), QStringLiteral("Dusk.col"));
        QCOMPARE(opened.fake.exists(QStringLiteral("Dusk.col")), !goneAlready);
    }

    void exportModeCannotDelete()
    {
        Opened opened(1);
        QVERIFY(QTest::qWaitForWindowExposed(opened.window));
        pick(*opened.window, QStringLiteral("Dusk.col"));
        QVERIFY(!opened.window->cmdDelete->isEnabled());
        QTest::mouseClick(opened.window->cmdDelete, Qt::LeftButton);
        QVERIFY(opened.fake.shown.isEmpty());
        QVERIFY(opened.fake.exists(QStringLiteral("Dusk.col")));
    }

    void reopenedWindowListsTheFolderWithoutTheDeletedScheme()
    {
        Opened opened;
        pick(*opened.window, QStringLiteral("Sunset.col"));
        opened.window->cmdDelete->click();
        opened.window->cmdExit->click();
        QTRY_VERIFY(opened.window.isNull());
        QPointer<frmSavetxt> again = frmSavetxt::open(*opened.main, 0);
        QCOMPARE(listOf(*again), QStringList({ "Dusk.col", "UserDefColors.col" }));
    }
};

SWATCHLY_TEST(DeleteSchemeTest)
#include "DeleteSchemeTest.moc"
