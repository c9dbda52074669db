// Thin control classes with the event rules the windows are written against.
//
// Setting a value, text, list index or check state from code raises the control's change (or
// click) event at once, nested inside the setting call; setting the value a control already
// holds raises nothing. Qt's own signals differ in places, so each control emits its own
// `changed()` / `click()` exactly by these rules, and the windows connect to those only.
// Key presses reach the window as a character code that the handler may set to 0 to discard
// the character (Backspace 8, Enter 13, Ctrl+C 3, Ctrl+V 22, Ctrl+X 24, printable characters
// their code). Mouse-down events carry the button (1 left, 2 right, 4 middle) and the
// modifier mask (1 Shift, 2 Ctrl, 4 Alt).
#pragma once

#include "core/Colour.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace swatchly::platform {

// The Qt colour that shows a colour value; system colours (high byte 0x80) show the platform's
// colour of that index, button face above all.
QColor toQColor(ColourValue value);
ColourValue fromQColor(const QColor &colour);

// The character code of a key event as the key handlers see it, or -1 for a key that types no
// character (Delete, cursor keys, modifiers).
int characterCode(const QKeyEvent *event);

int mouseButtonCode(Qt::MouseButton button);
int shiftMask(Qt::KeyboardModifiers modifiers);

// Sets a widget's font to the classic dialog face at the given size (the platform's sans serif
// stands in where that face is missing).
void setClassicFont(QWidget *widget, double pointSize, bool bold = false);

// A picture box used as a colour box: shows its BackColor and reports mouse-down.
//
// It can be used from the keyboard as well: it takes the focus by Tab and by click and then
// shows a frame that stands out on any colour. Space or Enter stands for a left click and
// Shift+Space for Shift + right click (keyChoose), arrow keys ask to move to a neighbouring
// box (keyMove). Its accessible description is the colour it shows, kept up to date; a box
// whose keyChoose is connected presents itself to screen readers as a button that can be
// pressed, any other box as a picture.
class ColourBox : public QFrame
{
    Q_OBJECT
public:
    explicit ColourBox(QWidget *parent, const QString &name);

    ColourValue backColor() const { return m_backColor; }
    void setBackColor(ColourValue value);

    // True when something listens to keyChoose, so that the box can be chosen from the
    // keyboard.
    bool isChoosable() const;

    // "#RRGGBB" for a plain colour, "Empty" for the button-face value of an empty box.
    static QString colourDescription(ColourValue value);

signals:
    void mouseDown(int button, int shift, float x, float y);
    // The mouse-down a key stands for: Space or Enter give button 1, shift 0; Shift+Space
    // gives button 2, shift 1.
    void keyChoose(int button, int shift);
    // An arrow key: -1 or +1 column, or -1 or +1 row.
    void keyMove(int columns, int rows);
    void gotFocus();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    ColourValue m_backColor = ButtonFace;
};

// A label with BackColor/ForeColor as colour values and a click event.
class Label : public QLabel
{
    Q_OBJECT
public:
    Label(QWidget *parent, const QString &name, const QString &caption = {});

    QString caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }
    ColourValue backColor() const { return m_backColor; }
    void setBackColor(ColourValue value);
    ColourValue foreColor() const { return m_foreColor; }
    void setForeColor(ColourValue value);

signals:
    void click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void applyColours();

    ColourValue m_backColor = ButtonFace;
    ColourValue m_foreColor = 0;
    bool m_backColorSet = false;
    bool m_foreColorSet = false;
    bool m_pressed = false;
};

// Single-line text box with a length limit and a key filter.
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    TextBox(QWidget *parent, const QString &name, const QString &text = {});

    void setText(const QString &text);

signals:
    void changed();
    // The handler may set keyAscii to 0 to discard the character.
    void keyPress(int &keyAscii);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// Multi-line text box. Its text keeps CR LF line ends as the program writes them.
class MultiLineTextBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    MultiLineTextBox(QWidget *parent, const QString &name, const QString &text = {});

    QString text() const;
    void setText(const QString &text);

signals:
    void changed();

private:
    bool m_settingText = false;
};

// Horizontal scroll bar used as a slider; changed() on every change of its value, which a thumb
// drag makes once, on release (the thumb moves alone while it is dragged). Tab gives it
// the focus (a click does not, as with any scroll bar); then a focus frame shows around it,
// Right and Up raise the value by the small change, Left and Down lower it, Page Up and Page
// Down move by the large change, Home and End go to the ends.
class Slider : public QScrollBar
{
    Q_OBJECT
public:
    Slider(QWidget *parent, const QString &name, int min, int max, int smallChange,
           int largeChange);

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    CommandButton(QWidget *parent, const QString &name, const QString &caption);
};

// Check box with the values 0 and 1; click() when the user clicks it (after the value
// toggled) and when code changes the value.
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

// Option button; choosing it, by the user or by code, raises click().
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
};

// A frame with a caption; its children are placed relative to its top-left corner.
class Frame : public QGroupBox
{
    Q_OBJECT
public:
    Frame(QWidget *parent, const QString &name, const QString &caption = {});

protected:
    // An etched border with the caption above it, in the palette's colours. (The styles' own
    // group boxes draw theirs from pictures, which loads every image format plugin and starts
    // drawing threads while the window first shows.)
    void paintEvent(QPaintEvent *event) override;
};

// A picture box used only as a container of other controls.
class PictureBox : public QFrame
{
    Q_OBJECT
public:
    PictureBox(QWidget *parent, const QString &name);
};

// A decoration line from (x1, y1) to (x2, y2), in twips of its container.
class Line : public QWidget
{
    Q_OBJECT
public:
    Line(QWidget *parent, const QString &name, int x1, int y1, int x2, int y2,
         ColourValue colour = 0, int width = 1);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLine m_line;
    ColourValue m_colour;
    int m_width;
};

// The picture in a file or resource, read by the reader its file name extension names; an
// empty pixmap when it cannot be read. Naming the format spares Qt from loading every image
// format plugin to guess it from the contents.
QPixmap loadPicture(const QString &path);

// The picture at a resource path with its double-size variant ("name@2x.png") beside it, so
// that it stays sharp on a high-DPI screen whatever screen the program started on. Both are
// read when the icon is first drawn.
QIcon resourceIcon(const QString &path);

// An invisible holder of a picture; icon() carries its double-size variant as well. The
// pictures are read when first asked for. Never shown, it is no widget, so screen readers do
// not come across it.
class ImageHolder : public QObject
{
    Q_OBJECT
public:
    ImageHolder(QObject *parent, const QString &name, const QString &resource);

    QPixmap picture() const;
    QIcon icon() const { return m_icon; }

private:
    QString m_resource;
    mutable QPixmap m_picture;
    QIcon m_icon;
};

// An editable drop-down combo box with the list rules the type-ahead name boxes rely on:
// ListIndex is -1 after the user edits the text, setting it shows the item's text, and the
// prefix search starts after item 0 and ends with item 0, ignoring case.
class ComboBox : public QComboBox
{
    Q_OBJECT
public:
    ComboBox(QWidget *parent, const QString &name, bool sorted = false);

    QString text() const;
    void setText(const QString &text);
    int selStart() const;
    int selLength() const;
    void setSelection(int start, int length);

    int listIndex() const { return m_listIndex; }
    void setListIndex(int index);
    QString list(int index) const { return itemText(index); }
    int listCount() const { return count(); }
    void addListItem(const QString &item);
    void removeListItem(int index);
    void clearList();

    // Index of the first item that begins with text (case ignored), searching items 1 to the
    // last and then item 0; -1 when none does.
    int findPrefix(const QString &text) const;

signals:
    void changed();
    void click();
    void keyPress(int &keyAscii);
    void gotFocus();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void onActivated(int index);

    bool m_sorted;
    int m_listIndex = -1;
    bool m_finishingEdit = false;
};

} // namespace swatchly::platform
