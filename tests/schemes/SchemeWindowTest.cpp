// The scheme file window: how it opens in each mode, what it lists, its controls, the name
// box's rules, and how closing brings the main window back.
#include "chart/frmTintora.h"
#include "platform/controls/ColourConversion.h"
#include "platform/controls/Geometry.h"
#include "schemes/frmSavetxt.h"
#include "support/FakePlatform.h"
#include "support/TestRegistry.h"
#include "support/WindowContents.h"

#include <QDir>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace swatchly;
using platform::twips;
using swatchly::test::FakePlatform;
using swatchly::test::listOf;

namespace {

// Counts the Show events its watched window receives.
struct ShowCounter : QObject
{
    int shows = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        shows += event->type() == QEvent::Show ? 1 : 0;
        return false;
    }
};

struct Enabled
{
    bool import, exportButton, nameBox, remove, exit;
    friend bool operator==(const Enabled &, const Enabled &) = default;
};

Enabled enabledOf(const frmSavetxt &window)
{
    return { window.cmdOpen->isEnabled(), window.cmdSave->isEnabled(), window.Combo1->isEnabled(),
             window.cmdDelete->isEnabled(), window.cmdExit->isEnabled() };
}

constexpr Enabled ImportMode { true, false, true, true, true };
constexpr Enabled ExportMode { false, true, true, false, true };

QString captionOf(QWidget *widget)
{
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *frame = qobject_cast<QGroupBox *>(widget))
        return frame->title();
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Enabled)

namespace QTest {
template<> char *toString(const Enabled &e)
{
    return qstrdup(QStringLiteral("import %1 export %2 name box %3 delete %4 exit %5")
                       .arg(e.import)
                       .arg(e.exportButton)
                       .arg(e.nameBox)
                       .arg(e.remove)
                       .arg(e.exit)
                       .toLatin1());
}
} // namespace QTest

class SchemeWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void openingListsEveryColFileInEachMode_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<Enabled>("enabled");
        QTest::newRow("import") << 0 << ImportMode;
        QTest::newRow("export") << 1 << ExportMode;
    }

    void openingListsEveryColFileInEachMode()
    {
        QFETCH(int, option);
        QFETCH(Enabled, enabled);
        FakePlatform fake;
        fake.copyShippedData();
        for (const char *name : { "sunset.col", "Autumn.col", "LOUD.COL", "Ocean.Col", "beach.col",
                                  "notes.txt", "scheme.col.bak", "xcol" })
            fake.writeFile(QLatin1String(name), "\"000000\"\r\n");
        QVERIFY(QDir(fake.folder()).mkdir(QStringLiteral("folder.col")));
        frmTintora main(fake);
        main.show();

        QPointer<frmSavetxt> window = frmSavetxt::open(main, option);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(!main.isVisible());
        QCOMPARE(listOf(*window),
                 QStringList({ "Autumn.col", "beach.col", "LOUD.COL", "Ocean.Col", "sunset.col",
                               "UserDefColors.col" }));
        QCOMPARE(window->Combo1->text(), QString());
        QVERIFY(window->optOpenSave[static_cast<std::size_t>(option)]->isChecked());
        QVERIFY(!window->optOpenSave[static_cast<std::size_t>(1 - option)]->isChecked());
        QCOMPARE(enabledOf(*window), enabled);
        QVERIFY(fake.shown.isEmpty());
    }

    void loadingWithoutAModeEnablesOnlyExit()
    {
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora main(fake);
        main.show();
        auto *window = new frmSavetxt(main);
        QCOMPARE(enabledOf(*window), Enabled({ false, false, false, false, true }));
        QCOMPARE(window->Combo1->text(), QString());
        QCOMPARE(listOf(*window), QStringList({ "UserDefColors.col" }));
        QVERIFY(!window->optOpenSave[0]->isChecked());
        QVERIFY(!window->optOpenSave[1]->isChecked());
        QVERIFY(main.isVisible());
        delete window;
    }

    void controlsHaveTheirDesign_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QRect>("twipsGeometry");
        QTest::newRow("cmdOpen") << "cmdOpen"
                                 << "Import..."
                                 << "" << QRect(4440, 1440, 1215, 495);
        QTest::newRow("cmdSave") << "cmdSave"
                                 << "Export..."
                                 << "" << QRect(4440, 2160, 1215, 495);
        QTest::newRow("Label1") << "Label1"
                                << "Type in/Select a file name  for your Color Scheme"
                                << "" << QRect(120, 1320, 3615, 255);
        QTest::newRow("Combo1") << "Combo1"
                                << ""
                                << "" << QRect(120, 840, 3135, 315);
        QTest::newRow("Label2") << "Label2"
                                << "Import - Open a File - Replaces the User Defined Colors" +
                QString(98, QLatin1Char(' ')) +
                "Export - Saves  the current User Defined Colors to this File."
                                << "" << QRect(120, 120, 4335, 615);
        QTest::newRow("Frame1") << "Frame1"
                                << "Select an Option"
                                << "" << QRect(0, 1680, 3135, 975);
        QTest::newRow("optOpenSave(0)") << "optOpenSave(0)"
                                        << "Import a Color Scheme    (Open File)"
                                        << "Replace the User Defined Colors with this files Colors"
                                        << QRect(120, 240, 2895, 255);
        QTest::newRow("optOpenSave(1)")
            << "optOpenSave(1)"
            << "Export a Color Scheme    (Save File)"
            << "Open  New/Change File to Save a Color Scheme." << QRect(120, 600, 2895, 255);
        QTest::newRow("cmdDelete") << "cmdDelete"
                                   << "Delete"
                                   << "" << QRect(4440, 720, 615, 495);
        QTest::newRow("cmdExit") << "cmdExit"
                                 << "Exit"
                                 << "" << QRect(5040, 720, 615, 495);
    }

    void controlsHaveTheirDesign()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tip);
        QFETCH(QRect, twipsGeometry);
        FakePlatform fake;
        frmTintora main(fake);
        QPointer<frmSavetxt> window = frmSavetxt::open(main, 0);
        auto *control = window->findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(captionOf(control), caption);
        QCOMPARE(control->toolTip(), tip);
        QCOMPARE(control->geometry(),
                 QRect(twips(twipsGeometry.x()), twips(twipsGeometry.y()),
                       twips(twipsGeometry.width()), twips(twipsGeometry.height())));
    }

    void windowHasItsLooks()
    {
        FakePlatform fake;
        frmTintora main(fake);
        QPointer<frmSavetxt> window = frmSavetxt::open(main, 1);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowTitle(),
                 QStringLiteral("Save/Replace/Delete the User Defined Color Scheme Files"));
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(window->minimumSize() != window->maximumSize()); // sizable
        QCOMPARE(window->size(), QSize(twips(5730), twips(2745)));
        QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(window->windowIcon().cacheKey(), main.windowIconPicture().cacheKey());
        const QPoint centre = window->screen()->availableGeometry().center();
        QVERIFY(qAbs(window->frameGeometry().center().x() - centre.x()) <= 2);
        QVERIFY(qAbs(window->frameGeometry().center().y() - centre.y()) <= 2);

        QCOMPARE(window->Combo1->palette().color(QPalette::Base), QColor(192, 192, 255));
        QCOMPARE(window->Combo1->lineEdit()->palette().color(QPalette::Base),
                 QColor(192, 192, 255));
        for (QLabel *label :
             { static_cast<QLabel *>(window->Label1), static_cast<QLabel *>(window->Label2) })
            QCOMPARE(label->palette().color(QPalette::Window),
                     platform::toQColor(static_cast<ColourValue>(0x8000000B)));

        // Tab order among the controls that take the focus.
        const QList<QWidget *> controls { window->cmdOpen,        window->cmdSave,
                                          window->Combo1,         window->optOpenSave[0],
                                          window->optOpenSave[1], window->cmdDelete,
                                          window->cmdExit };
        QList<QWidget *> order;
        QWidget *at = window->cmdOpen;
        do {
            if (controls.contains(at) && !order.contains(at))
                order.append(at);
            at = at->nextInFocusChain();
        } while (at != window->cmdOpen);
        QCOMPARE(order, controls);
    }

    void optionButtonsSwitchTheMode()
    {
        FakePlatform fake;
        frmTintora main(fake);
        QPointer<frmSavetxt> window = frmSavetxt::open(main, 0);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(enabledOf(*window), ImportMode);
        QTest::mouseClick(window->optOpenSave[1], Qt::LeftButton);
        QVERIFY(window->optOpenSave[1]->isChecked());
        QVERIFY(!window->optOpenSave[0]->isChecked());
        QCOMPARE(enabledOf(*window), ExportMode);
        QTest::mouseClick(window->optOpenSave[0], Qt::LeftButton);
        QVERIFY(window->optOpenSave[0]->isChecked());
        QCOMPARE(enabledOf(*window), ImportMode);
    }

    void closingShowsTheMainWindowAndUnloads_data()
    {
        QTest::addColumn<bool>("byExitButton");
        QTest::newRow("Exit button") << true;
        QTest::newRow("close box") << false;
    }

    void closingShowsTheMainWindowAndUnloads()
    {
        QFETCH(bool, byExitButton);
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora main(fake);
        main.show();
        std::array<ColourValue, 35> before {};
        for (std::size_t i = 0; i < 35; ++i)
            before[i] = main.Picture1[i]->backColor();
        QPointer<frmSavetxt> window = frmSavetxt::open(main, 1);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(!main.isVisible());

        if (byExitButton)
            QTest::mouseClick(window->cmdExit, Qt::LeftButton);
        else
            window->close();
        QVERIFY(main.isVisible());
        QTRY_VERIFY(window.isNull());
        for (std::size_t i = 0; i < 35; ++i)
            QCOMPARE(main.Picture1[i]->backColor(), before[i]);
        QVERIFY(fake.shown.isEmpty());
    }

    void reopeningListsTheFolderAsItIsThen()
    {
        FakePlatform fake;
        fake.copyShippedData();
        fake.writeFile(QStringLiteral("Autumn.col"), "");
        frmTintora main(fake);
        QPointer<frmSavetxt> first = frmSavetxt::open(main, 0);
        QCOMPARE(listOf(*first), QStringList({ "Autumn.col", "UserDefColors.col" }));
        first->cmdExit_Click();
        QTRY_VERIFY(first.isNull());

        QVERIFY(QFile::remove(fake.path(QStringLiteral("Autumn.col"))));
        fake.writeFile(QStringLiteral("Winter.col"), "");
        QPointer<frmSavetxt> second = frmSavetxt::open(main, 1);
        QCOMPARE(listOf(*second), QStringList({ "UserDefColors.col", "Winter.col" }));
        QCOMPARE(enabledOf(*second), ExportMode);
    }

    void mainWindowThatGoesDeletesTheOpenWindowWithoutShowingItself()
    {
        FakePlatform fake;
        auto main = std::make_unique<frmTintora>(fake);
        main->show();
        QPointer<frmSavetxt> window = frmSavetxt::open(*main, 0);
        QVERIFY(window && window->isVisible() && !main->isVisible());
        ShowCounter counter;
        main->installEventFilter(&counter);
        main.reset();
        QVERIFY(window.isNull());
        QCOMPARE(counter.shows, 0);
        QVERIFY(fake.shown.isEmpty());
    }

    void emptyFolderGivesAnEmptyListAndNoMessage()
    {
        FakePlatform fake;
        frmTintora main(fake);
        QPointer<frmSavetxt> window = frmSavetxt::open(main, 0);
        QCOMPARE(window->Combo1->listCount(), 0);
        QCOMPARE(window->Combo1->text(), QString());
        QVERIFY(fake.shown.isEmpty());
    }

    void typedPeriodIsThrownAway_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::newRow("no completion") << "my.new.scheme"
                                       << "mynewscheme" << 11 << 0;
        QTest::newRow("only periods") << "..."
                                      << "" << 0 << 0;
        QTest::newRow("period after a completion") << "sun."
                                                   << "Sunset.col" << 3 << 7;
    }

    void typedPeriodIsThrownAway()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        FakePlatform fake;
        fake.copyShippedData();
        fake.writeFile(QStringLiteral("Sunset.col"), "");
        frmTintora main(fake);
        QPointer<frmSavetxt> window = frmSavetxt::open(main, 1);
        QTest::keyClicks(window->Combo1->lineEdit(), typed);
        QCOMPARE(window->Combo1->text(), text);
        QCOMPARE(window->Combo1->selStart(), selStart);
        QCOMPARE(window->Combo1->selLength(), selLength);
        QVERIFY(fake.shown.isEmpty());
    }

    void typingCompletesAListedNameAndKeepsTheTailSelected()
    {
        FakePlatform fake;
        fake.copyShippedData();
        fake.writeFile(QStringLiteral("Sunrise.col"), "");
        fake.writeFile(QStringLiteral("Sunset.col"), "");
        frmTintora main(fake);
        QPointer<frmSavetxt> window = frmSavetxt::open(main, 0);
        QLineEdit *edit = window->Combo1->lineEdit();

        // Item 0 (Sunrise.col) is searched last, so "sun" finds Sunset.col first.
        QTest::keyClicks(edit, QStringLiteral("sun"));
        QCOMPARE(window->Combo1->text(), QStringLiteral("Sunset.col"));
        QCOMPARE(edit->selectedText(), QStringLiteral("set.col"));

        // The next character replaces the selected tail.
        QTest::keyClicks(edit, QStringLiteral("r"));
        QCOMPARE(window->Combo1->text(), QStringLiteral("Sunrise.col"));
        QCOMPARE(edit->selectedText(), QStringLiteral("ise.col"));

        // Backspace removes the tail and completes nothing.
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(window->Combo1->text(), QStringLiteral("Sunr"));
        QVERIFY(fake.shown.isEmpty());
    }
};

SWATCHLY_TEST(SchemeWindowTest)
#include "SchemeWindowTest.moc"
