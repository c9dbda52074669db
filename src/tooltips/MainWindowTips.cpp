// The main window's tips and their on/off switch.
#include "chart/frmTintora.h"
#include "tooltips/cToolTip.h"

namespace swatchly {

void frmTintora::setUpToolTips() { }

void frmTintora::Check1_Click() { }

} // namespace swatchly
