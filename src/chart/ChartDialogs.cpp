// The More Colors and Font Select dialogs and the clipboard viewer.
#include "chart/frmTintora.h"

namespace swatchly {

void frmTintora::cmdShowMeColors_Click() { }

void frmTintora::cmdFont_Click() { }

void frmTintora::lblShowCB_Click() { }

} // namespace swatchly
