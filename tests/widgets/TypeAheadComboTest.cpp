// Typing into the colour-name box: completion, Backspace and Delete, no match, search order,
// choosing from the list, and entering the box again.
#include "chart/frmTintora.h"
#include "platform/controls/ComboBox.h"
#include "platform/services/Clipboard.h"
#include "platform/services/MessageBoxes.h"
#include "support/FakePlatform.h"
#include "support/TestRegistry.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>

#include <algorithm>

using namespace swatchly;
using swatchly::test::FakePlatform;

namespace {

using NameList = QList<QPair<QByteArray, QByteArray>>;

constexpr ColourValue StartColour = 0x302010; // chart box 0, "102030"

// Chart and user colours, and the given names list, in the fake program folder.
void writeData(FakePlatform &fake, const NameList &names)
{
    QByteArray chart;
    for (int i = 0; i < 21; ++i)
        chart += i == 0 ? QByteArray("\"102030\"\r\n")
                        : "\"4080" + QByteArray::number(i * 10 + 16, 16).toUpper() + "\"\r\n";
    fake.writeFile(QStringLiteral("StartUpColors"), chart);
    fake.writeFile(QStringLiteral("UserDefColors.col"), QByteArray("\"C0C0C0\"\r\n").repeated(14));
    QByteArray list;
    for (const auto &[name, value] : names)
        list += "\"" + name + "\",\"" + value + "\"\r\n";
    fake.writeFile(QStringLiteral("ListBoxColorNames.txt"), list);
}

const NameList Colours = {
    { "Red", "&HFF0000" },   { "Red Violet", "&HC71585" }, { "Aqua", "&H00FFFF" },
    { "Black", "&H000000" }, { "Blue", "&H0000FF" },       { "Gray", "&H808080" },
};

constexpr ColourValue RedViolet = 0x8515C7;
constexpr ColourValue Black = 0x000000;
constexpr ColourValue Blue = 0xFF0000;

QString quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

struct Shown
{
    explicit Shown(frmTintora &window)
    {
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
        window.activateWindow();
        window.Combo1->setFocus(Qt::OtherFocusReason);
    }
    bool exposed = false;
};

} // namespace

class TypeAheadComboTest : public QObject
{
    Q_OBJECT

private slots:
    void typedLettersCompleteToTheFirstNameInTheItemsCase_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<ColourValue>("colour");
        QTest::addColumn<QString>("clipboard");

        QTest::newRow("b") << "b"
                           << "Black" << 1 << 4 << Black << quoted("Black");
        QTest::newRow("B") << "B"
                           << "Black" << 1 << 4 << Black << quoted("Black");
        QTest::newRow("bl") << "bl"
                            << "Black" << 2 << 3 << Black << quoted("Black");
        QTest::newRow("blu") << "blu"
                             << "Blue" << 3 << 1 << Blue << quoted("Blue");
        QTest::newRow("BLU") << "BLU"
                             << "Blue" << 3 << 1 << Blue << quoted("Blue");
        QTest::newRow("bLuE") << "bLuE"
                              << "Blue" << 4 << 0 << Blue << quoted("Blue");
        // Item 0 comes last: Red Violet begins with "r" too.
        QTest::newRow("r") << "r"
                           << "Red Violet" << 1 << 9 << RedViolet << quoted("Red Violet");
        QTest::newRow("red") << "red"
                             << "Red Violet" << 3 << 7 << RedViolet << quoted("Red Violet");
    }

    void typedLettersCompleteToTheFirstNameInTheItemsCase()
    {
        QFETCH(QString, keys);
        FakePlatform fake;
        writeData(fake, Colours);
        frmTintora window(fake);
        Shown shown(window);
        QVERIFY(shown.exposed);

        QFETCH(QString, text);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(ColourValue, colour);
        QFETCH(QString, clipboard);

        QTest::keyClicks(window.Combo1->lineEdit(), keys);

        QCOMPARE(window.Combo1->text(), text);
        QCOMPARE(window.Combo1->selStart(), selStart);
        QCOMPARE(window.Combo1->selLength(), selLength);
        QCOMPARE(window.currentColour(), colour);
        QCOMPARE(platform::clipboardText(), clipboard);
        QVERIFY(fake.shown.isEmpty());
    }

    void eachKeyCompletesAndCopiesTheNameFoundSoFar()
    {
        FakePlatform fake;
        writeData(fake, Colours);
        frmTintora window(fake);
        Shown shown(window);
        QVERIFY(shown.exposed);
        QLineEdit *edit = window.Combo1->lineEdit();

        QTest::keyClick(edit, Qt::Key_B);
        QCOMPARE(window.Combo1->text(), QStringLiteral("Black"));
        QCOMPARE(window.Combo1->selStart(), 1);
        QCOMPARE(window.Combo1->selLength(), 4);
        QCOMPARE(window.currentColour(), Black);
        QCOMPARE(window.txtHexValue->text(), QStringLiteral("000000\r\nHex Value"));
        QCOMPARE(platform::clipboardText(), quoted("Black"));

        QTest::keyClick(edit, Qt::Key_L);
        QCOMPARE(window.Combo1->text(), QStringLiteral("Black"));
        QCOMPARE(window.Combo1->selStart(), 2);
        QCOMPARE(window.Combo1->selLength(), 3);
        QCOMPARE(platform::clipboardText(), quoted("Black"));

        QTest::keyClick(edit, Qt::Key_U);
        QCOMPARE(window.Combo1->text(), QStringLiteral("Blue"));
        QCOMPARE(window.Combo1->selStart(), 3);
        QCOMPARE(window.Combo1->selLength(), 1);
        QCOMPARE(window.currentColour(), Blue);
        QCOMPARE(window.txtHexValue->text(), QStringLiteral("0000FF\r\nHex Value"));
        QCOMPARE(window.Slide[2]->value(), 255);
        QCOMPARE(platform::clipboardText(), quoted("Blue"));
        QVERIFY(fake.shown.isEmpty());
    }

    void backspaceRemovesTheCompletedTailWithoutCompleting()
    {
        FakePlatform fake;
        writeData(fake, Colours);
        frmTintora window(fake);
        Shown shown(window);
        QVERIFY(shown.exposed);
        QLineEdit *edit = window.Combo1->lineEdit();

        QTest::keyClicks(edit, QStringLiteral("bl"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(window.Combo1->text(), QStringLiteral("Bl"));
        QCOMPARE(window.Combo1->selStart(), 2);
        QCOMPARE(window.Combo1->selLength(), 0);
        QCOMPARE(window.Combo1->listIndex(), -1);

        // A second Backspace deletes a typed letter, still without completing.
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(window.Combo1->text(), QStringLiteral("B"));
        QCOMPARE(window.Combo1->selStart(), 1);
        QCOMPARE(window.Combo1->selLength(), 0);
        QCOMPARE(window.currentColour(), Black);
        QCOMPARE(platform::clipboardText(), quoted("Black"));

        // The next letter completes again.
        QTest::keyClick(edit, Qt::Key_L);
        QTest::keyClick(edit, Qt::Key_U);
        QCOMPARE(window.Combo1->text(), QStringLiteral("Blue"));
        QCOMPARE(window.Combo1->selStart(), 3);
        QCOMPARE(window.Combo1->selLength(), 1);
        QCOMPARE(platform::clipboardText(), quoted("Blue"));
    }

    void deleteKeyAfterLettersCompletesAgain()
    {
        FakePlatform fake;
        writeData(fake, Colours);
        frmTintora window(fake);
        Shown shown(window);
        QVERIFY(shown.exposed);
        QLineEdit *edit = window.Combo1->lineEdit();

        QTest::keyClicks(edit, QStringLiteral("bl"));
        platform::clipboardSetText(QStringLiteral("elsewhere"));
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(window.Combo1->text(), QStringLiteral("Black"));
        QCOMPARE(window.Combo1->selStart(), 2);
        QCOMPARE(window.Combo1->selLength(), 3);
        QCOMPARE(window.currentColour(), Black);
        QCOMPARE(platform::clipboardText(), quoted("Black"));
    }

    void deleteKeyAfterBackspaceDoesNotComplete()
    {
        FakePlatform fake;
        writeData(fake, Colours);
        frmTintora window(fake);
        Shown shown(window);
        QVERIFY(shown.exposed);
        QLineEdit *edit = window.Combo1->lineEdit();

        QTest::keyClicks(edit, QStringLiteral("bla"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(window.Combo1->text(), QStringLiteral("Bla"));
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClick(edit, Qt::Key_Left);
        platform::clipboardSetText(QStringLiteral("elsewhere"));
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(window.Combo1->text(), QStringLiteral("Ba"));
        QCOMPARE(window.Combo1->selStart(), 1);
        QCOMPARE(window.Combo1->selLength(), 0);
        QCOMPARE(platform::clipboardText(), QStringLiteral("elsewhere"));
    }

    void noMatchKeepsTheTypedTextAndCaretSilently_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<ColourValue>("colour");
        QTest::addColumn<QString>("clipboard");

        QTest::newRow("first letter") << "z"
                                      << "z" << StartColour << "\"#102030\"";
        QTest::newRow("two letters") << "zq"
                                     << "zq" << StartColour << "\"#102030\"";
        QTest::newRow("after a completion") << "bx"
                                            << "Bx" << Black << quoted("Black");
        QTest::newRow("beyond a whole name") << "blues"
                                             << "Blues" << Blue << quoted("Blue");
        QTest::newRow("period") << "bl."
                                << "Bl." << Black << quoted("Black");
    }

    void noMatchKeepsTheTypedTextAndCaretSilently()
    {
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(ColourValue, colour);
        QFETCH(QString, clipboard);
        FakePlatform fake;
        writeData(fake, Colours);
        frmTintora window(fake);
        Shown shown(window);
        QVERIFY(shown.exposed);

        QTest::keyClicks(window.Combo1->lineEdit(), keys);

        QCOMPARE(window.Combo1->text(), text);
        QCOMPARE(window.Combo1->selStart(), text.size());
        QCOMPARE(window.Combo1->selLength(), 0);
        QCOMPARE(window.Combo1->listIndex(), -1);
        QCOMPARE(window.currentColour(), colour);
        QCOMPARE(platform::clipboardText(), clipboard);
        QVERIFY(fake.shown.isEmpty());
    }

    void noMatchInTheMiddleKeepsTheCaretThere()
    {
        FakePlatform fake;
        writeData(fake, Colours);
        frmTintora window(fake);
        Shown shown(window);
        QVERIFY(shown.exposed);
        QLineEdit *edit = window.Combo1->lineEdit();

        QTest::keyClicks(edit, QStringLiteral("zq"));
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClick(edit, Qt::Key_X);
        QCOMPARE(window.Combo1->text(), QStringLiteral("zxq"));
        QCOMPARE(window.Combo1->selStart(), 2);
        QCOMPARE(window.Combo1->selLength(), 0);
        QVERIFY(fake.shown.isEmpty());
    }

    void itemZeroIsSearchedLast_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("listIndex");

        QTest::newRow("only item 0 begins so") << "az"
                                               << "Azure" << 0;
        QTest::newRow("item 0 and a later item") << "a"
                                                 << "Aqua" << 2;
        QTest::newRow("later item only") << "aq"
                                         << "Aqua" << 2;
        QTest::newRow("item 1 first") << "c"
                                      << "Coral" << 1;
    }

    void itemZeroIsSearchedLast()
    {
        FakePlatform fake;
        writeData(fake,
                  { { "Azure", "&HF0FFFF" },
                    { "Coral", "&HFF7F50" },
                    { "Aqua", "&H00FFFF" },
                    { "Cyan", "&H00FFFE" } });
        frmTintora window(fake);
        Shown shown(window);
        QVERIFY(shown.exposed);

        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(int, listIndex);

        QTest::keyClicks(window.Combo1->lineEdit(), keys);

        QCOMPARE(window.Combo1->text(), text);
        QCOMPARE(window.Combo1->listIndex(), listIndex);
        QCOMPARE(platform::clipboardText(), quoted(text));
    }

    void typingIntoTheFocusedBoxCompletesOnce()
    {
        FakePlatform fake;
        writeData(fake, Colours);
        frmTintora window(fake);
        Shown shown(window);
        QVERIFY(shown.exposed);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused == window.Combo1 || focused == window.Combo1->lineEdit());

        QTest::keyClicks(focused, QStringLiteral("bl"));
        QCOMPARE(window.Combo1->text(), QStringLiteral("Black"));
        QCOMPARE(window.Combo1->selStart(), 2);
        QCOMPARE(window.Combo1->selLength(), 3);
        QTest::keyClick(focused, Qt::Key_Backspace);
        QCOMPARE(window.Combo1->text(), QStringLiteral("Bl"));
        QCOMPARE(window.Combo1->selLength(), 0);
    }

    void choosingAnItemThatBeginsAnotherSelectsTheOther()
    {
        FakePlatform fake;
        writeData(fake, Colours);
        frmTintora window(fake);
        Shown shown(window);
        QVERIFY(shown.exposed);

        window.Combo1->showPopup();
        QAbstractItemView *view = window.Combo1->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        const QRect red = view->visualRect(view->model()->index(0, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, red.center());

        QCOMPARE(window.Combo1->text(), QStringLiteral("Red Violet"));
        QCOMPARE(window.Combo1->listIndex(), 1);
        QCOMPARE(window.currentColour(), RedViolet);
        QCOMPARE(window.txtHexValue->text(), QStringLiteral("C71585\r\nHex Value"));
        QCOMPARE(platform::clipboardText(), quoted("Red Violet"));
        QVERIFY(fake.shown.isEmpty());
    }

    void choosingFromTheListAppliesTheChosenName()
    {
        FakePlatform fake;
        writeData(fake, Colours);
        frmTintora window(fake);
        Shown shown(window);
        QVERIFY(shown.exposed);

        window.Combo1->showPopup();
        QAbstractItemView *view = window.Combo1->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        const QRect gray = view->visualRect(view->model()->index(5, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, gray.center());

        QCOMPARE(window.Combo1->text(), QStringLiteral("Gray"));
        QCOMPARE(window.Combo1->listIndex(), 5);
        QCOMPARE(window.currentColour(), 0x808080);
        QCOMPARE(platform::clipboardText(), quoted("Gray"));
    }

    void leavingTheBoxChoosesNothing_data()
    {
        QTest::addColumn<bool>("throughFocusWidget");
        QTest::newRow("keys to the edit field") << false;
        QTest::newRow("keys to the focused widget") << true;
    }

    void leavingTheBoxChoosesNothing()
    {
        QFETCH(bool, throughFocusWidget);
        FakePlatform fake;
        writeData(fake, Colours);
        frmTintora window(fake);
        Shown shown(window);
        QVERIFY(shown.exposed);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget *edit =
            throughFocusWidget ? QApplication::focusWidget() : window.Combo1->lineEdit();

        // "Red" is a whole item now, but not the one the completion selected.
        QTest::keyClicks(edit, QStringLiteral("red"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(window.Combo1->text(), QStringLiteral("Red"));
        platform::clipboardSetText(QStringLiteral("elsewhere"));

        QTest::keyClick(edit, Qt::Key_Return);
        QTest::mouseClick(window.txtColValue[0], Qt::LeftButton);
        QVERIFY(!window.Combo1->hasFocus());

        QCOMPARE(window.Combo1->text(), QStringLiteral("Red"));
        QCOMPARE(window.currentColour(), RedViolet);
        QCOMPARE(platform::clipboardText(), QStringLiteral("elsewhere"));
        QVERIFY(fake.shown.isEmpty());
    }

    void comingBackWithUnmatchedTextSaysSo()
    {
        FakePlatform fake;
        writeData(fake, Colours);
        frmTintora window(fake);
        Shown shown(window);
        QVERIFY(shown.exposed);

        QTest::keyClicks(window.Combo1->lineEdit(), QStringLiteral("bx"));
        QTest::mouseClick(window.txtColValue[0], Qt::LeftButton);
        QVERIFY(fake.shown.isEmpty());
        platform::clipboardSetText(QStringLiteral("elsewhere"));

        QTest::mouseClick(window.Combo1->lineEdit(), Qt::LeftButton);

        QCOMPARE(fake.shown.size(), 1);
        QCOMPARE(fake.shown[0].prompt, QStringLiteral("Sorry, but there is no match for 'Bx'."));
        QCOMPARE(fake.shown[0].title, QStringLiteral("Find Results"));
        QCOMPARE(fake.shown[0].buttons, platform::Buttons::OK);
        QCOMPARE(fake.shown[0].icon, platform::Icon::Information);
        QCOMPARE(window.Combo1->text(), QStringLiteral("Bx"));
        QCOMPARE(window.currentColour(), Black);
        QCOMPARE(platform::clipboardText(), QStringLiteral("elsewhere"));
    }

    void comingBackToAnEmptyBoxLooksNothingUp()
    {
        FakePlatform fake;
        writeData(fake, Colours);
        frmTintora window(fake);
        Shown shown(window);
        QVERIFY(shown.exposed);

        QTest::mouseClick(window.txtColValue[0], Qt::LeftButton);
        QTest::mouseClick(window.Combo1->lineEdit(), Qt::LeftButton);
        QVERIFY(window.Combo1->hasFocus());

        QVERIFY(fake.shown.isEmpty());
        QCOMPARE(window.currentColour(), StartColour);
        QCOMPARE(window.Combo1->text(), QString());
    }

    // The scheme names box: the same piece with a sorted list, periods thrown away and its
    // own found action.
    void periodsAreThrownAwayWhenTheRulesSaySo_data()
    {
        QTest::addColumn<bool>("throughFocusWidget");
        QTest::newRow("keys to the edit field") << false;
        QTest::newRow("keys to the focused widget") << true;
    }

    void periodsAreThrownAwayWhenTheRulesSaySo()
    {
        QFETCH(bool, throughFocusWidget);
        FakePlatform fake;
        QWidget host;
        auto *box = new platform::ComboBox(&host, QStringLiteral("Combo1"), true);
        for (const char *name : { "Winter", "autumn", "Summer", "Spring" })
            box->addListItem(QLatin1String(name));
        QList<int> found;
        const auto setText = [box, &found](int i) {
            found << i;
            box->setText(box->list(i));
        };
        new TypeAheadCombo(fake, box, { true, setText, setText, {} });
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        box->setFocus(Qt::OtherFocusReason);
        QWidget *keys = throughFocusWidget ? QApplication::focusWidget() : box->lineEdit();

        QCOMPARE(box->list(0), QStringLiteral("autumn"));
        QTest::keyClicks(keys, QStringLiteral(".s.p"));
        QCOMPARE(box->text(), QStringLiteral("Spring"));
        QCOMPARE(box->selStart(), 2);
        QCOMPARE(box->selLength(), 4);
        QTest::keyClick(keys, Qt::Key_Period);
        QCOMPARE(box->text(), QStringLiteral("Spring"));
        QCOMPARE(box->selStart(), 2);
        QCOMPARE(box->selLength(), 4);
        QVERIFY(!found.isEmpty());
        QVERIFY(std::all_of(found.begin(), found.end(), [](int i) { return i == 1; }));

        QTest::keyClicks(keys, QStringLiteral("x"));
        QCOMPARE(box->text(), QStringLiteral("Spx"));
        QCOMPARE(box->selLength(), 0);
        QVERIFY(fake.shown.isEmpty());
    }
};

SWATCHLY_TEST(TypeAheadComboTest)
#include "TypeAheadComboTest.moc"
