// The type-ahead behaviour of a name box (an editable combo box over a list of names).
//
// After each typed character the first item that begins with the text before the caret
// (case ignored; items 1 onwards, item 0 last) is selected, its full text shown, and the
// untyped tail selected so that the next character replaces it. Backspace gets no completion.
// Choosing an item, or entering the box while it holds text, looks the whole text up and
// says so when nothing matches. The owning window supplies what a found item does.
#pragma once

#include <QObject>

#include <functional>

namespace swatchly {

namespace platform {
class ComboBox;
class MessageBoxes;
} // namespace platform

struct TypeAheadRules
{
    // A typed "." is thrown away. Only typing is filtered: a pasted name, or one listed from
    // the folder, may still hold a period.
    bool discardPeriod = false;
    // What a found item does while the user types.
    std::function<void(int index)> foundWhileTyping;
    // What a found item does when it is chosen.
    std::function<void(int index)> foundOnChoosing;
    // What follows every choice, found or not.
    std::function<void()> afterChoosing;
};

// Lives as a child of the box it serves and listens to the box's own events, so the window
// that owns the box only says what a found item does.
class TypeAheadCombo : public QObject
{
    Q_OBJECT
public:
    // Says through boxes when a name is not in the list.
    TypeAheadCombo(platform::MessageBoxes &boxes, platform::ComboBox *box, TypeAheadRules rules);

    void keyPress(int &keyAscii);
    void textChanged();
    void itemChosen();
    void gotFocus();
    // Completes the text before the caret to the first item it begins, unless the program
    // itself is choosing an item or the box already shows one.
    void completeText();

private:
    void chooseItem(int index);

    platform::MessageBoxes &m_boxes;
    platform::ComboBox *m_box;
    TypeAheadRules m_rules;
    // The last character typed into the box was Backspace.
    bool m_backspacePressed = false;
    // The program itself is setting ListIndex at this moment.
    bool m_settingListIndex = false;
};

} // namespace swatchly
