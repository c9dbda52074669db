// The type-ahead behaviour of a name box (an editable combo box over a list of names).
//
// After each typed character the first item that begins with the text before the caret
// (case ignored; items 1 onwards, item 0 last) is selected, its full text shown, and the
// untyped tail selected so that the next character replaces it. Backspace gets no completion.
// Choosing an item, or entering the box while it holds text, looks the whole text up and
// says so when nothing matches. The owning window supplies what a found item does.
#pragma once

#include <functional>

namespace swatchly {

namespace platform {
class ComboBox;
}

struct TypeAheadRules
{
    // A typed "." is thrown away (scheme names never hold a period).
    bool discardPeriod = false;
    // What a found item does while the user types.
    std::function<void(int index)> foundWhileTyping;
    // What a found item does when it is chosen.
    std::function<void(int index)> foundOnChoosing;
    // What follows every choice, found or not.
    std::function<void()> afterChoosing;
};

class TypeAheadCombo
{
public:
    explicit TypeAheadCombo(TypeAheadRules rules);

    void attach(platform::ComboBox *box);

    // The last character typed into the box was Backspace.
    bool BackspacePressed = false;
    // The program itself is setting ListIndex at this moment.
    bool SettingListIndex = false;

    void Combo1_KeyPress(int &KeyAscii);
    void Combo1_Change();
    void Combo1_Click();
    void Combo1_GotFocus();
    void CompleteComboText();

private:
    platform::ComboBox *m_box = nullptr;
    TypeAheadRules m_rules;
};

} // namespace swatchly
