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

// The box's text with its selection in brackets: "B[lack]" is "Black" with "lack" selected,
// "Bl[]" the caret after "Bl".
QString marked(const platform::ComboBox &box)
{
    QString text = box.text();
    text.insert(box.selStart() + box.selLength(), QLatin1Char(']'));
    text.insert(box.selStart(), QLatin1Char('['));
    return text;
}

FakePlatform &withNames(FakePlatform &fake, const NameList &names)
{
    writeData(fake, names);
    return fake;
}

// Keys sent to the edit field, or to whichever widget has the focus.
void addKeyTargetRows()
{
    QTest::addColumn<bool>("throughFocusWidget");
    QTest::newRow("keys to the edit field") << false;
    QTest::newRow("keys to the focused widget") << true;
}

// The chart window shown with the given names list, the name box holding the focus.
struct Opened
{
    explicit Opened(const NameList &names = Colours)
        : window(withNames(fake, names))
    {
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
        window.activateWindow();
        box.setFocus(Qt::OtherFocusReason);
    }
    FakePlatform fake;
    frmTintora window;
    platform::ComboBox &box = *window.Combo1;
    QLineEdit *edit = box.lineEdit();
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
        QTest::addColumn<QString>("shown");
        QTest::addColumn<ColourValue>("colour");
        QTest::addColumn<QString>("clipboard");

        QTest::newRow("b") << "b"
                           << "B[lack]" << Black << quoted("Black");
        QTest::newRow("B") << "B"
                           << "B[lack]" << Black << quoted("Black");
        QTest::newRow("bl") << "bl"
                            << "Bl[ack]" << Black << quoted("Black");
        QTest::newRow("blu") << "blu"
                             << "Blu[e]" << Blue << quoted("Blue");
        QTest::newRow("BLU") << "BLU"
                             << "Blu[e]" << Blue << quoted("Blue");
        QTest::newRow("bLuE") << "bLuE"
                              << "Blue[]" << Blue << quoted("Blue");
        // Item 0 comes last: Red Violet begins with "r" too.
        QTest::newRow("r") << "r"
                           << "R[ed Violet]" << RedViolet << quoted("Red Violet");
        QTest::newRow("red") << "red"
                             << "Red[ Violet]" << RedViolet << quoted("Red Violet");
    }

    void typedLettersCompleteToTheFirstNameInTheItemsCase()
    {
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(ColourValue, colour);
        QFETCH(QString, clipboard);
        Opened o;
        QVERIFY(o.exposed);

        QTest::keyClicks(o.edit, keys);

        QCOMPARE(marked(o.box), shown);
        QCOMPARE(o.window.currentColour(), colour);
        QCOMPARE(platform::clipboardText(), clipboard);
        QVERIFY(o.fake.shown.isEmpty());
    }

    void eachKeyCompletesAndCopiesTheNameFoundSoFar()
    {
        Opened o;
        QVERIFY(o.exposed);

        QTest::keyClick(o.edit, Qt::Key_B);
        QCOMPARE(marked(o.box), QStringLiteral("B[lack]"));
        QCOMPARE(o.window.currentColour(), Black);
        QCOMPARE(o.window.txtHexValue->text(), QStringLiteral("000000\r\nHex Value"));
        QCOMPARE(platform::clipboardText(), quoted("Black"));

        QTest::keyClick(o.edit, Qt::Key_L);
        QCOMPARE(marked(o.box), QStringLiteral("Bl[ack]"));
        QCOMPARE(platform::clipboardText(), quoted("Black"));

        QTest::keyClick(o.edit, Qt::Key_U);
        QCOMPARE(marked(o.box), QStringLiteral("Blu[e]"));
        QCOMPARE(o.window.currentColour(), Blue);
        QCOMPARE(o.window.txtHexValue->text(), QStringLiteral("0000FF\r\nHex Value"));
        QCOMPARE(o.window.Slide[2]->value(), 255);
        QCOMPARE(platform::clipboardText(), quoted("Blue"));
        QVERIFY(o.fake.shown.isEmpty());
    }

    void backspaceRemovesTheCompletedTailWithoutCompleting()
    {
        Opened o;
        QVERIFY(o.exposed);

        QTest::keyClicks(o.edit, QStringLiteral("bl"));
        QTest::keyClick(o.edit, Qt::Key_Backspace);
        QCOMPARE(marked(o.box), QStringLiteral("Bl[]"));
        QCOMPARE(o.box.listIndex(), -1);

        // A second Backspace deletes a typed letter, still without completing.
        QTest::keyClick(o.edit, Qt::Key_Backspace);
        QCOMPARE(marked(o.box), QStringLiteral("B[]"));
        QCOMPARE(o.window.currentColour(), Black);
        QCOMPARE(platform::clipboardText(), quoted("Black"));

        // The next letter completes again.
        QTest::keyClicks(o.edit, QStringLiteral("lu"));
        QCOMPARE(marked(o.box), QStringLiteral("Blu[e]"));
        QCOMPARE(platform::clipboardText(), quoted("Blue"));
    }

    void deleteKeyAfterLettersCompletesAgain()
    {
        Opened o;
        QVERIFY(o.exposed);

        QTest::keyClicks(o.edit, QStringLiteral("bl"));
        platform::clipboardSetText(QStringLiteral("elsewhere"));
        QTest::keyClick(o.edit, Qt::Key_Delete);
        QCOMPARE(marked(o.box), QStringLiteral("Bl[ack]"));
        QCOMPARE(o.window.currentColour(), Black);
        QCOMPARE(platform::clipboardText(), quoted("Black"));
    }

    void deleteKeyAfterBackspaceDoesNotComplete()
    {
        Opened o;
        QVERIFY(o.exposed);

        QTest::keyClicks(o.edit, QStringLiteral("bla"));
        QTest::keyClick(o.edit, Qt::Key_Backspace);
        QCOMPARE(o.box.text(), QStringLiteral("Bla"));
        QTest::keyClick(o.edit, Qt::Key_Left);
        QTest::keyClick(o.edit, Qt::Key_Left);
        platform::clipboardSetText(QStringLiteral("elsewhere"));
        QTest::keyClick(o.edit, Qt::Key_Delete);
        QCOMPARE(marked(o.box), QStringLiteral("B[]a"));
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
        Opened o;
        QVERIFY(o.exposed);

        QTest::keyClicks(o.edit, keys);

        QCOMPARE(marked(o.box), text + QStringLiteral("[]"));
        QCOMPARE(o.box.listIndex(), -1);
        QCOMPARE(o.window.currentColour(), colour);
        QCOMPARE(platform::clipboardText(), clipboard);
        QVERIFY(o.fake.shown.isEmpty());
    }

    void noMatchInTheMiddleKeepsTheCaretThere()
    {
        Opened o;
        QVERIFY(o.exposed);

        QTest::keyClicks(o.edit, QStringLiteral("zq"));
        QTest::keyClick(o.edit, Qt::Key_Left);
        QTest::keyClick(o.edit, Qt::Key_X);
        QCOMPARE(marked(o.box), QStringLiteral("zx[]q"));
        QVERIFY(o.fake.shown.isEmpty());
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
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(int, listIndex);
        Opened o({ { "Azure", "&HF0FFFF" },
                   { "Coral", "&HFF7F50" },
                   { "Aqua", "&H00FFFF" },
                   { "Cyan", "&H00FFFE" } });
        QVERIFY(o.exposed);

        QTest::keyClicks(o.edit, keys);

        QCOMPARE(o.box.text(), text);
        QCOMPARE(o.box.listIndex(), listIndex);
        QCOMPARE(platform::clipboardText(), quoted(text));
    }

    void typingIntoTheFocusedBoxCompletesOnce()
    {
        Opened o;
        QVERIFY(o.exposed);
        QVERIFY(QTest::qWaitForWindowActive(&o.window));
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused == &o.box || focused == o.edit);

        QTest::keyClicks(focused, QStringLiteral("bl"));
        QCOMPARE(marked(o.box), QStringLiteral("Bl[ack]"));
        QTest::keyClick(focused, Qt::Key_Backspace);
        QCOMPARE(o.box.text(), QStringLiteral("Bl"));
        QCOMPARE(o.box.selLength(), 0);
    }

    void choosingFromTheListAppliesTheChosenName_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("listIndex");
        QTest::addColumn<ColourValue>("colour");
        QTest::addColumn<QString>("hexValue");

        QTest::newRow("a name no other begins")
            << 5 << "Gray" << 5 << ColourValue(0x808080) << "808080\r\nHex Value";
        // Red begins Red Violet, which the search finds first.
        QTest::newRow("a name that begins another")
            << 0 << "Red Violet" << 1 << RedViolet << "C71585\r\nHex Value";
    }

    void choosingFromTheListAppliesTheChosenName()
    {
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(int, listIndex);
        QFETCH(ColourValue, colour);
        QFETCH(QString, hexValue);
        Opened o;
        QVERIFY(o.exposed);

        o.box.showPopup();
        QAbstractItemView *view = o.box.view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        const QRect item = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());

        QCOMPARE(o.box.text(), text);
        QCOMPARE(o.box.listIndex(), listIndex);
        QCOMPARE(o.window.currentColour(), colour);
        QCOMPARE(o.window.txtHexValue->text(), hexValue);
        QCOMPARE(platform::clipboardText(), quoted(text));
        QVERIFY(o.fake.shown.isEmpty());
    }

    void leavingTheBoxChoosesNothing_data() { addKeyTargetRows(); }

    void leavingTheBoxChoosesNothing()
    {
        QFETCH(bool, throughFocusWidget);
        Opened o;
        QVERIFY(o.exposed);
        QVERIFY(QTest::qWaitForWindowActive(&o.window));
        QWidget *edit = throughFocusWidget ? QApplication::focusWidget() : o.edit;

        // "Red" is a whole item now, but not the one the completion selected.
        QTest::keyClicks(edit, QStringLiteral("red"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(o.box.text(), QStringLiteral("Red"));
        platform::clipboardSetText(QStringLiteral("elsewhere"));

        QTest::keyClick(edit, Qt::Key_Return);
        QTest::mouseClick(o.window.txtColValue[0], Qt::LeftButton);
        QVERIFY(!o.box.hasFocus());

        QCOMPARE(o.box.text(), QStringLiteral("Red"));
        QCOMPARE(o.window.currentColour(), RedViolet);
        QCOMPARE(platform::clipboardText(), QStringLiteral("elsewhere"));
        QVERIFY(o.fake.shown.isEmpty());
    }

    void comingBackWithUnmatchedTextSaysSo()
    {
        Opened o;
        QVERIFY(o.exposed);

        QTest::keyClicks(o.edit, QStringLiteral("bx"));
        QTest::mouseClick(o.window.txtColValue[0], Qt::LeftButton);
        QVERIFY(o.fake.shown.isEmpty());
        platform::clipboardSetText(QStringLiteral("elsewhere"));

        QTest::mouseClick(o.edit, Qt::LeftButton);

        QCOMPARE(o.fake.shown.size(), 1);
        QCOMPARE(o.fake.shown[0].prompt, QStringLiteral("Sorry, but there is no match for 'Bx'."));
        QCOMPARE(o.fake.shown[0].title, QStringLiteral("Find Results"));
        QCOMPARE(o.fake.shown[0].buttons, platform::Buttons::OK);
        QCOMPARE(o.fake.shown[0].icon, platform::Icon::Information);
        QCOMPARE(o.box.text(), QStringLiteral("Bx"));
        QCOMPARE(o.window.currentColour(), Black);
        QCOMPARE(platform::clipboardText(), QStringLiteral("elsewhere"));
    }

    void comingBackToAnEmptyBoxLooksNothingUp()
    {
        Opened o;
        QVERIFY(o.exposed);

        QTest::mouseClick(o.window.txtColValue[0], Qt::LeftButton);
        QTest::mouseClick(o.edit, Qt::LeftButton);
        QVERIFY(o.box.hasFocus());

        QVERIFY(o.fake.shown.isEmpty());
        QCOMPARE(o.window.currentColour(), StartColour);
        QCOMPARE(o.box.text(), QString());
    }

    // The scheme names box: the same piece with a sorted list, periods thrown away and its
    // own found action.
    void periodsAreThrownAwayWhenTheRulesSaySo_data() { addKeyTargetRows(); }

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
