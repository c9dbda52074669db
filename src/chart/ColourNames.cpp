// The colour-name box: type-ahead over the names list, and the found-name action.
#include "chart/frmTintora.h"

namespace swatchly {

void frmTintora::Combo1_KeyPress(int &KeyAscii)
{
    m_typeAhead.Combo1_KeyPress(KeyAscii);
}

void frmTintora::Combo1_Change()
{
    m_typeAhead.Combo1_Change();
}

void frmTintora::Combo1_Click()
{
    m_typeAhead.Combo1_Click();
}

void frmTintora::Combo1_GotFocus()
{
    m_typeAhead.Combo1_GotFocus();
}

void frmTintora::CompleteComboText()
{
    m_typeAhead.CompleteComboText();
}

void frmTintora::foundColourName(int) { }

} // namespace swatchly
