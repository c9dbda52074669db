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
// nothing. Key presses raise keyPress() before the box takes them; its handler may discard
// the key.
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
    // A change the box makes to its own list, index or text raises no event: the box's and its
    // edit field's signals are blocked meanwhile, and what Qt shows afterwards is taken as seen.
    class QuietChange
    {
    public:
        explicit QuietChange(ComboBox &box);
        ~QuietChange();
        QuietChange(const QuietChange &) = delete;
        QuietChange &operator=(const QuietChange &) = delete;

    private:
        ComboBox &m_box;
        QSignalBlocker m_boxSignals;
        QSignalBlocker m_editSignals;
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
    // Qt keeps its current index while the user types; ListIndex is -1 then.
    int m_listIndex = -1;
    // Qt writes an item's text into the field before it signals the new index: Qt's index and
    // the field's text as last seen tell that write from an edit and keep the text before it.
    int m_seenIndex = -1;
    QString m_text;
    // Qt signals a pick by the user (activated) only after the new index (currentIndexChanged),
    // so the pick is marked before Qt acts on it. A pick from the list also puts the item's
    // text back in the field, which is no edit.
    enum class Pick { None, KeysOrWheel, FromList };
    Pick m_pick = Pick::None;
    // Qt also calls hidePopup() when no list is shown (the box is hidden); only the closing of
    // a shown list may come before a pick.
    bool m_popupShown = false;
};

} // namespace swatchly::platform
