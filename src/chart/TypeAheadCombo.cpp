#include "chart/TypeAheadCombo.h"

#include "platform/controls/ComboBox.h"
#include "platform/services/MessageBoxes.h"

namespace swatchly {

TypeAheadCombo::TypeAheadCombo(TypeAheadRules rules)
    : m_rules(std::move(rules))
{ }

void TypeAheadCombo::attach(platform::ComboBox *box)
{
    m_box = box;
}

void TypeAheadCombo::Combo1_KeyPress(int &KeyAscii)
{
    if (m_rules.discardPeriod && KeyAscii == 46)
        KeyAscii = 0;
    BackspacePressed = KeyAscii == 8;
}

void TypeAheadCombo::Combo1_Change()
{
    // Backspace deletes the completed tail; completing again would put it straight back.
    if (BackspacePressed)
        return;
    CompleteComboText();
}

void TypeAheadCombo::CompleteComboText()
{
    if (SettingListIndex)
        return;
    if (m_box->listIndex() >= 0)
        return;
    const int typed = m_box->selStart();
    const QString prefix = m_box->text().left(typed);
    const int found = m_box->findPrefix(prefix);
    SettingListIndex = true;
    m_box->setListIndex(found);
    SettingListIndex = false;
    // Select the completed tail so that the next character replaces it. Without a completion
    // there is no tail: the characters after the caret are the user's own and stay unselected.
    const int tail = found >= 0 ? static_cast<int>(m_box->text().size()) - typed : 0;
    m_box->setSelection(typed, tail);
    if (found >= 0 && m_rules.foundWhileTyping)
        m_rules.foundWhileTyping(found);
}

void TypeAheadCombo::Combo1_Click()
{
    const int found = m_box->findPrefix(m_box->text());
    SettingListIndex = true;
    m_box->setListIndex(found);
    SettingListIndex = false;
    if (found >= 0 && m_rules.foundOnChoosing)
        m_rules.foundOnChoosing(found);
    if (found < 0)
        platform::msgBox(QStringLiteral("Sorry, but there is no match for '") + m_box->text() +
                             QStringLiteral("'."),
                         platform::Buttons::OK, platform::Icon::Information,
                         QStringLiteral("Find Results"));
    if (m_rules.afterChoosing)
        m_rules.afterChoosing();
}

void TypeAheadCombo::Combo1_GotFocus()
{
    if (!m_box->text().isEmpty())
        Combo1_Click();
}

} // namespace swatchly
