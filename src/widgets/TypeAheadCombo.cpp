#include "widgets/TypeAheadCombo.h"

#include "platform/controls/ComboBox.h"
#include "platform/controls/KeyCodes.h"
#include "platform/services/MessageBoxes.h"

namespace swatchly {

TypeAheadCombo::TypeAheadCombo(platform::MessageBoxes &boxes, platform::ComboBox *box,
                               TypeAheadRules rules)
    : QObject(box)
    , m_boxes(boxes)
    , m_box(box)
    , m_rules(std::move(rules))
{
    connect(box, &platform::ComboBox::keyPress, this, [this](platform::KeyPress &key) {
        platform::passCharacterCode(key, [this](int &keyAscii) { keyPress(keyAscii); });
    });
    connect(box, &platform::ComboBox::changed, this, &TypeAheadCombo::textChanged);
    connect(box, &platform::ComboBox::click, this, &TypeAheadCombo::itemChosen);
    connect(box, &platform::ComboBox::gotFocus, this, &TypeAheadCombo::gotFocus);
}

void TypeAheadCombo::keyPress(int &keyAscii)
{
    if (m_rules.discardPeriod && keyAscii == 46)
        keyAscii = 0;
    m_backspacePressed = keyAscii == 8;
}

void TypeAheadCombo::textChanged()
{
    // Backspace deletes the completed tail; completing again would put it straight back.
    if (m_backspacePressed)
        return;
    completeText();
}

void TypeAheadCombo::chooseItem(int index)
{
    m_settingListIndex = true;
    m_box->setListIndex(index);
    m_settingListIndex = false;
}

void TypeAheadCombo::completeText()
{
    if (m_settingListIndex)
        return;
    if (m_box->listIndex() >= 0)
        return;
    const int typed = m_box->selStart();
    const QString prefix = m_box->text().left(typed);
    const int found = m_box->findPrefix(prefix);
    chooseItem(found);
    // Select the completed tail so that the next character replaces it. Without a completion
    // there is no tail: the characters after the caret are the user's own and stay unselected.
    const int tail = found >= 0 ? static_cast<int>(m_box->text().size()) - typed : 0;
    m_box->setSelection(typed, tail);
    if (found >= 0 && m_rules.foundWhileTyping)
        m_rules.foundWhileTyping(found);
}

void TypeAheadCombo::itemChosen()
{
    const int found = m_box->findPrefix(m_box->text());
    chooseItem(found);
    if (found >= 0 && m_rules.foundOnChoosing)
        m_rules.foundOnChoosing(found);
    if (found < 0)
        //: %1 is the text typed into a name box.
        m_boxes.msgBox(tr("Sorry, but there is no match for '%1'.").arg(m_box->text()),
                       platform::Buttons::OK, platform::Icon::Information, tr("Find Results"));
    if (m_rules.afterChoosing)
        m_rules.afterChoosing();
}

void TypeAheadCombo::gotFocus()
{
    if (!m_box->text().isEmpty())
        itemChosen();
}

} // namespace swatchly
