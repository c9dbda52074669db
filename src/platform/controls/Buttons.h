// The buttons: command buttons, check boxes and option buttons.
//
// A check box or option button raises click() from Qt's own change of its state, so that
// every way of setting it (setValue, setChecked or a click, through any pointer) raises the
// event once, nested inside the setting call, after the state changed; setting the state it
// already has raises nothing.
#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace swatchly::platform {

class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    CommandButton(QWidget *parent, const QString &name, const QString &caption);
};

// Check box with the values 0 and 1; click() whenever its value changes, by the user or by
// code.
class CheckBox : public QCheckBox
{
    Q_OBJECT
public:
    CheckBox(QWidget *parent, const QString &name, const QString &caption, int value);

    int value() const { return isChecked() ? 1 : 0; }
    void setValue(int value);

signals:
    void click();
};

// Option button; choosing it, by the user or by code, raises click(), and so does a click on
// it while it is chosen. Clearing it raises nothing.
class OptionButton : public QRadioButton
{
    Q_OBJECT
public:
    OptionButton(QWidget *parent, const QString &name, const QString &caption);

    bool value() const { return isChecked(); }
    // true chooses the option and raises click() when it was not chosen; false clears it
    // without any event.
    void setValue(bool chosen);

signals:
    void click();

private:
    bool m_chosenWhenPressed = false;
};

} // namespace swatchly::platform
