// The event rules of the controls: setting a value from code raises the control's event once,
// nested inside the setting call and after the value changed, whether the control's own setter
// or Qt's setter through a base pointer is called; setting the value it holds raises nothing.
// Key presses come as character codes that a handler can discard.
#include "platform/controls/Buttons.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/KeyCodes.h"
#include "platform/controls/Slider.h"
#include "platform/controls/TextBox.h"
#include "support/TestRegistry.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <functional>
#include <memory>

using namespace swatchly;

namespace {

// What a handler saw: each event with the control's value at that moment, and whether the
// setting call was still running.
struct Seen
{
    QStringList events;
    bool allInsideTheCall = true;
};

// One control with a way to set it and a way to read its value, both as text.
struct Subject
{
    std::unique_ptr<QWidget> owner;
    std::function<void(const QString &)> set;
    std::function<QString()> value;
};

// Builds control at value start (raising nothing), then connects its events to seen.
Subject makeSubject(const QString &control, const QString &setter, const QString &start, Seen &seen,
                    const bool &inCall)
{
    Subject subject;
    subject.owner = std::make_unique<QWidget>();
    QWidget *owner = subject.owner.get();
    auto record = [&seen, &inCall](const QString &event, const QString &value) {
        seen.events.append(event + QLatin1Char(':') + value);
        seen.allInsideTheCall = seen.allInsideTheCall && inCall;
    };

    if (control == QLatin1String("TextBox")) {
        auto *box = new platform::TextBox(owner, QStringLiteral("box"), start);
        subject.value = [box] { return box->text(); };
        if (setter == QLatin1String("own"))
            subject.set = [box](const QString &text) { box->setText(text); };
        else
            subject.set = [base = static_cast<QLineEdit *>(box)](const QString &text) {
                base->setText(text);
            };
        QObject::connect(box, &platform::TextBox::changed, owner, [record, value = subject.value] {
            record(QStringLiteral("changed"), value());
        });
    } else if (control == QLatin1String("MultiLineTextBox")) {
        auto *box = new platform::MultiLineTextBox(owner, QStringLiteral("box"), start);
        subject.value = [box] { return box->text(); };
        if (setter == QLatin1String("own"))
            subject.set = [box](const QString &text) { box->setText(text); };
        else
            subject.set = [base = static_cast<QPlainTextEdit *>(box)](const QString &text) {
                base->setPlainText(text);
            };
        QObject::connect(
            box, &platform::MultiLineTextBox::changed, owner,
            [record, value = subject.value] { record(QStringLiteral("changed"), value()); });
    } else if (control == QLatin1String("Slider")) {
        auto *slider = new platform::Slider(owner, QStringLiteral("slider"), 0, 255, 1, 10);
        slider->setValue(start.toInt());
        subject.value = [slider] { return QString::number(slider->value()); };
        subject.set = [base = static_cast<QAbstractSlider *>(slider)](const QString &value) {
            base->setValue(value.toInt());
        };
        QObject::connect(
            slider, &platform::Slider::changed, owner,
            [record, value = subject.value] { record(QStringLiteral("changed"), value()); });
    } else if (control == QLatin1String("CheckBox")) {
        auto *box = new platform::CheckBox(owner, QStringLiteral("check"), QStringLiteral("Check"),
                                           start.toInt());
        subject.value = [box] { return QString::number(box->value()); };
        if (setter == QLatin1String("own"))
            subject.set = [box](const QString &value) { box->setValue(value.toInt()); };
        else
            subject.set = [base = static_cast<QAbstractButton *>(box)](const QString &value) {
                base->setChecked(value == QLatin1String("1"));
            };
        QObject::connect(box, &platform::CheckBox::click, owner, [record, value = subject.value] {
            record(QStringLiteral("click"), value());
        });
    } else if (control == QLatin1String("OptionButton")) {
        // Two options of one group: choosing one clears the other, which raises nothing.
        auto *other =
            new platform::OptionButton(owner, QStringLiteral("other"), QStringLiteral("Other"));
        other->setValue(true);
        auto *option =
            new platform::OptionButton(owner, QStringLiteral("option"), QStringLiteral("Option"));
        option->setValue(start == QLatin1String("1"));
        subject.value = [option] { return QString::number(option->value() ? 1 : 0); };
        if (setter == QLatin1String("own"))
            subject.set = [option](const QString &value) {
                option->setValue(value == QLatin1String("1"));
            };
        else
            subject.set = [base = static_cast<QAbstractButton *>(option)](const QString &value) {
                base->setChecked(value == QLatin1String("1"));
            };
        for (auto *button : { option, other })
            QObject::connect(button, &platform::OptionButton::click, owner,
                             [record, button, value = subject.value] {
                                 record(button->objectName() + QStringLiteral(" click"), value());
                             });
    } else {
        // A combo box's value is "ListIndex|Text"; start and the setters' values likewise.
        auto *box = new platform::ComboBox(owner, QStringLiteral("combo"));
        for (const char *item : { "Black", "Green", "Blue" })
            box->addListItem(QString::fromLatin1(item));
        box->setListIndex(start.section(QLatin1Char('|'), 0, 0).toInt());
        box->setText(start.section(QLatin1Char('|'), 1));
        subject.value = [box] {
            return QString::number(box->listIndex()) + QLatin1Char('|') + box->text();
        };
        if (setter == QLatin1String("setText"))
            subject.set = [box](const QString &text) { box->setText(text); };
        else if (setter == QLatin1String("setEditText"))
            subject.set = [base = static_cast<QComboBox *>(box)](const QString &text) {
                base->setEditText(text);
            };
        else if (setter == QLatin1String("edit field"))
            subject.set = [box](const QString &text) { box->lineEdit()->setText(text); };
        else if (setter == QLatin1String("setListIndex"))
            subject.set = [box](const QString &index) { box->setListIndex(index.toInt()); };
        else
            subject.set = [base = static_cast<QComboBox *>(box)](const QString &index) {
                base->setCurrentIndex(index.toInt());
            };
        QObject::connect(box, &platform::ComboBox::changed, owner, [record, value = subject.value] {
            record(QStringLiteral("changed"), value());
        });
        QObject::connect(box, &platform::ComboBox::click, owner, [record, value = subject.value] {
            record(QStringLiteral("click"), value());
        });
    }
    return subject;
}

} // namespace

class ControlEventRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void settingRaisesTheEventOnceInsideTheCall_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("setter");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("next");
        // Each event with the value its handler saw; none when the list is empty.
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("after");

        for (const char *setter : { "own", "base" }) {
            const auto row = [setter](const char *name, const char *control) -> QTestData & {
                return QTest::addRow("%s, %s", name, setter)
                    << QString::fromLatin1(control) << QString::fromLatin1(setter);
            };
            row("text box", "TextBox") << "abc"
                                       << "abcd" << QStringList { "changed:abcd" } << "abcd";
            row("text box, same text", "TextBox") << "abc"
                                                  << "abc" << QStringList {} << "abc";
            row("slider", "Slider") << "10"
                                    << "200" << QStringList { "changed:200" } << "200";
            row("slider, same value", "Slider") << "10"
                                                << "10" << QStringList {} << "10";
            row("check box on", "CheckBox") << "0"
                                            << "1" << QStringList { "click:1" } << "1";
            row("check box off", "CheckBox") << "1"
                                             << "0" << QStringList { "click:0" } << "0";
            row("check box, same value", "CheckBox") << "1"
                                                     << "1" << QStringList {} << "1";
            row("option chosen", "OptionButton") << "0"
                                                 << "1" << QStringList { "option click:1" } << "1";
            row("option, already chosen", "OptionButton") << "1"
                                                          << "1" << QStringList {} << "1";
        }
        // The multi-line box keeps CR LF whichever way its text came.
        QTest::newRow("multi-line, own")
            << "MultiLineTextBox"
            << "own"
            << "one"
            << "one\r\ntwo" << QStringList { "changed:one\r\ntwo" } << "one\r\ntwo";
        QTest::newRow("multi-line, base")
            << "MultiLineTextBox"
            << "base"
            << "one"
            << "one\ntwo" << QStringList { "changed:one\r\ntwo" } << "one\r\ntwo";
        QTest::newRow("multi-line, same text, own")
            << "MultiLineTextBox"
            << "own"
            << "one\r\ntwo"
            << "one\r\ntwo" << QStringList {} << "one\r\ntwo";
        QTest::newRow("multi-line, same text, base")
            << "MultiLineTextBox"
            << "base"
            << "one\r\ntwo"
            << "one\ntwo" << QStringList {} << "one\r\ntwo";
        // Clearing an option raises nothing, by either setter (Qt keeps a chosen
        // auto-exclusive option chosen).
        QTest::newRow("option cleared, own") << "OptionButton"
                                             << "own"
                                             << "1"
                                             << "0" << QStringList {} << "0";
        QTest::newRow("option cleared, base") << "OptionButton"
                                              << "base"
                                              << "1"
                                              << "0" << QStringList {} << "1";

        for (const char *setter : { "setText", "setEditText", "edit field" }) {
            QTest::addRow("combo text, %s", setter)
                << "ComboBox" << setter << "1|Green"
                << "Gr" << QStringList { "changed:-1|Gr" } << "-1|Gr";
            QTest::addRow("combo text, same text, %s", setter)
                << "ComboBox" << setter << "1|Green"
                << "Green" << QStringList {} << "1|Green";
        }
        for (const char *setter : { "setListIndex", "setCurrentIndex" }) {
            QTest::addRow("combo index, new text, %s", setter)
                << "ComboBox" << setter << "-1|Bl"
                << "2" << QStringList { "changed:2|Blue", "click:2|Blue" } << "2|Blue";
            QTest::addRow("combo index, text already shown, %s", setter)
                << "ComboBox" << setter << "-1|Blue"
                << "2" << QStringList { "click:2|Blue" } << "2|Blue";
            QTest::addRow("combo index, same index, %s", setter)
                << "ComboBox" << setter << "2|Blue"
                << "2" << QStringList {} << "2|Blue";
            QTest::addRow("combo no index, %s", setter) << "ComboBox" << setter << "2|Blue"
                                                        << "-1" << QStringList {} << "-1|Blue";
        }
    }

    void settingRaisesTheEventOnceInsideTheCall()
    {
        QFETCH(QString, control);
        QFETCH(QString, setter);
        QFETCH(QString, start);
        QFETCH(QString, next);
        QFETCH(QStringList, events);
        QFETCH(QString, after);

        Seen seen;
        bool inCall = false;
        const Subject subject = makeSubject(control, setter, start, seen, inCall);
        inCall = true;
        subject.set(next);
        inCall = false;

        QCOMPARE(seen.events, events);
        QVERIFY(seen.allInsideTheCall);
        QCOMPARE(subject.value(), after);
    }

    void userChoiceRaisesClick_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("after");

        QTest::newRow("check box clicked on") << "CheckBox"
                                              << "0" << QStringList { "click:1" } << "1";
        QTest::newRow("check box clicked off") << "CheckBox"
                                               << "1" << QStringList { "click:0" } << "0";
        QTest::newRow("option clicked") << "OptionButton"
                                        << "0" << QStringList { "option click:1" } << "1";
        QTest::newRow("chosen option clicked again")
            << "OptionButton"
            << "1" << QStringList { "option click:1" } << "1";
        // An arrow key picks the next item, as a pick from the list: click, no change event.
        QTest::newRow("combo item picked by key")
            << "ComboBox"
            << "0|Black" << QStringList { "click:1|Green" } << "1|Green";
    }

    void userChoiceRaisesClick()
    {
        QFETCH(QString, control);
        QFETCH(QString, start);
        QFETCH(QStringList, events);
        QFETCH(QString, after);

        Seen seen;
        bool inCall = true;
        const Subject subject = makeSubject(control, QStringLiteral("own"), start, seen, inCall);
        subject.owner->show();
        QVERIFY(QTest::qWaitForWindowExposed(subject.owner.get()));
        if (auto *box = subject.owner->findChild<QComboBox *>()) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Down);
        } else {
            auto *button = subject.owner->findChild<QAbstractButton *>(
                control == QLatin1String("OptionButton") ? QStringLiteral("option")
                                                         : QStringLiteral("check"));
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        }

        QCOMPARE(seen.events, events);
        QCOMPARE(subject.value(), after);
    }

    // The wheel picks as the arrow keys do; picking the current item from the list after an
    // edit puts its text back, as the pick's doing and not as a change.
    void comboPickByListOrWheelRaisesClickOnly_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("pick");
        QTest::addColumn<QString>("after");
        QTest::newRow("wheel") << QStringLiteral("0|Black") << QStringLiteral("wheel")
                               << QStringLiteral("1|Green");
        QTest::newRow("current item from the list")
            << QStringLiteral("1|Gr") << QStringLiteral("1") << QStringLiteral("1|Green");
    }

    void comboPickByListOrWheelRaisesClickOnly()
    {
        QFETCH(QString, start);
        QFETCH(QString, pick);
        QFETCH(QString, after);

        Seen seen;
        const bool inCall = true;
        const Subject subject =
            makeSubject(QStringLiteral("ComboBox"), QStringLiteral("own"), start, seen, inCall);
        subject.owner->show();
        QVERIFY(QTest::qWaitForWindowExposed(subject.owner.get()));
        auto *box = subject.owner->findChild<platform::ComboBox *>();
        box->setFocus();
        if (pick == QLatin1String("wheel")) {
            const QPointF at(box->width() / 2.0, box->height() / 2.0);
            QWheelEvent wheel(at, box->mapToGlobal(at), {}, { 0, -120 }, Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(box, &wheel);
        } else {
            box->showPopup();
            QAbstractItemView *view = box->view();
            QVERIFY(QTest::qWaitForWindowExposed(view->window()));
            const QRect item = view->visualRect(view->model()->index(pick.toInt(), 0));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        }

        QCOMPARE(seen.events, QStringList { QStringLiteral("click:") + after });
        QCOMPARE(subject.value(), after);
    }

    void keysGiveCharacterCodes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");

        QTest::newRow("Backspace")
            << int(Qt::Key_Backspace) << Qt::KeyboardModifiers() << QStringLiteral("\b") << 8;
        QTest::newRow("Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers()
                               << QStringLiteral("\r") << 13;
        QTest::newRow("keypad Enter")
            << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
            << QStringLiteral("\r") << 13;
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                << QStringLiteral("\x03") << 3;
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                << QStringLiteral("\x16") << 22;
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                << QStringLiteral("\x18") << 24;
        QTest::newRow("letter") << int(Qt::Key_A) << Qt::KeyboardModifiers() << QStringLiteral("a")
                                << 97;
        QTest::newRow("capital") << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                 << QStringLiteral("A") << 65;
        QTest::newRow("period") << int(Qt::Key_Period) << Qt::KeyboardModifiers()
                                << QStringLiteral(".") << 46;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << Qt::KeyboardModifiers()
                                << QStringLiteral("\x7f") << -1;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers()
                                << QStringLiteral("\x1b") << -1;
        QTest::newRow("cursor key")
            << int(Qt::Key_Left) << Qt::KeyboardModifiers() << QString() << -1;
        QTest::newRow("Ctrl+digit") << int(Qt::Key_1) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                    << QStringLiteral("1") << -1;
    }

    void keysGiveCharacterCodes()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        QFETCH(int, code);

        const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QCOMPARE(platform::characterCode(platform::KeyPress(event)), code);

        // A key handler sees the keys that type a character, and a code set to 0 discards one.
        platform::KeyPress press(event);
        int seen = -1;
        platform::passCharacterCode(press, [&seen](int &keyAscii) {
            seen = keyAscii;
            keyAscii = 0;
        });
        QCOMPARE(seen, code);
        QCOMPARE(press.isDiscarded(), code >= 0);
    }

    void mouseGivesButtonAndShiftCodes_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("buttonCode");
        QTest::addColumn<int>("shift");

        QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers() << 1 << 0;
        QTest::newRow("right, Shift")
            << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << 2 << 1;
        QTest::newRow("middle, Ctrl")
            << Qt::MiddleButton << Qt::KeyboardModifiers(Qt::ControlModifier) << 4 << 2;
        QTest::newRow("left, Alt+Shift")
            << Qt::LeftButton << Qt::KeyboardModifiers(Qt::AltModifier | Qt::ShiftModifier) << 1
            << 5;
        QTest::newRow("other button") << Qt::BackButton << Qt::KeyboardModifiers() << 0 << 0;
    }

    void mouseGivesButtonAndShiftCodes()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, buttonCode);
        QFETCH(int, shift);

        QCOMPARE(platform::mouseButtonCode(button), buttonCode);
        QCOMPARE(platform::shiftMask(modifiers), shift);
    }

    void discardedKeyTypesNothing_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("target");

        QTest::newRow("text box") << "TextBox"
                                  << "box";
        QTest::newRow("combo box, keys to its edit field") << "ComboBox"
                                                           << "edit field";
        QTest::newRow("combo box, keys to the box") << "ComboBox"
                                                    << "box";
    }

    void discardedKeyTypesNothing()
    {
        QFETCH(QString, control);
        QFETCH(QString, target);

        QWidget owner;
        QWidget *receiver = nullptr;
        std::function<QString()> text;
        // The handler throws away every "x" and lets the rest through.
        const auto discardX = [](platform::KeyPress &key) {
            if (key.text() == QLatin1String("x"))
                key.discard();
        };
        if (control == QLatin1String("TextBox")) {
            auto *box = new platform::TextBox(&owner, QStringLiteral("box"));
            connect(box, &platform::TextBox::keyPress, this, discardX);
            receiver = box;
            text = [box] { return box->text(); };
        } else {
            auto *box = new platform::ComboBox(&owner, QStringLiteral("combo"));
            connect(box, &platform::ComboBox::keyPress, this, discardX);
            receiver =
                target == QLatin1String("box") ? static_cast<QWidget *>(box) : box->lineEdit();
            text = [box] { return box->text(); };
        }
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        receiver->setFocus();
        QTest::keyClicks(receiver, QStringLiteral("axbx"));
        QCOMPARE(text(), QStringLiteral("ab"));
    }
};

SWATCHLY_TEST(ControlEventRulesTest)
#include "ControlEventRulesTest.moc"
