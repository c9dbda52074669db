#pragma once

#include "platform/controls/KeyPress.h"

#include <QComboBox>

namespace swatchly::platform {

// An editable drop-down combo box with the list rules the type-ahead name boxes rely on:
// ListIndex is -1 after the user edits the text, setting it shows the item's text, and the
// prefix search starts after item 0 and ends with item 0, ignoring case.
//
// Its events follow the changes of the Qt widget itself, so that Qt's setters (setEditText,
// setCurrentIndex, lineEdit()->setText) reach the same rules as setText and setListIndex:
// a new text raises changed() and makes ListIndex -1; choosing an item from code shows its
// text, raises changed() when that changed the text, then click(); choosing no item keeps the
// text and raises nothing. A pick from the list by the user raises click() only. Each event is
// raised once, nested inside the setting call; setting what the box already holds raises
// nothing. Key presses raise keyPress() before the box takes them; its handler may discard the key.
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

    void showPopup() override;
    void hidePopup() override;

signals:
    void changed();
    void click();
    void keyPress(swatchly::platform::KeyPress &key);
    void gotFocus();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    // Marks a change the box makes to its own list, index or text, which raises no event.
    class QuietChange
    {
    public:
        explicit QuietChange(ComboBox &box);
        ~QuietChange();
        QuietChange(const QuietChange &) = delete;
        QuietChange &operator=(const QuietChange &) = delete;

    private:
        ComboBox &m_box;
    };

    // Raises keyPress() and tells whether its handler discarded the key.
    bool discardsKey(QKeyEvent *event);
    void onEditTextChanged(const QString &text);
    void onCurrentIndexChanged(int index);
    void onActivated(int index);
    // The item at index is chosen: its text shows, changed() when that changed the text
    // (before), then click().
    void showChosenItem(int index, const QString &before);

    bool m_sorted;
    int m_listIndex = -1;
    // Qt's current index and the edit field's text as last seen.
    int m_seenIndex = -1;
    QString m_text;
    int m_quiet = 0;
    // A pick by the user is under way: by keys or the wheel, or from the list, which also puts
    // the item's text in the field.
    bool m_userPick = false;
    bool m_popupPick = false;
    bool m_popupShown = false;
};

} // namespace swatchly::platform
