// Typing a colour channel by channel, in decimal or in hexadecimal.
#include "chart/frmTintora.h"

namespace swatchly {

void frmTintora::txtColValue_KeyPress(int, int &) { }

void frmTintora::cmdDecColVal_Click() { }

void frmTintora::cmdHexColVal_Click() { }

} // namespace swatchly
