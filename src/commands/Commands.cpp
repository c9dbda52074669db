// The menu and toolbar commands.
#include "chart/frmTintora.h"

namespace swatchly {

void frmTintora::Toolbar1_ButtonClick(const QString &) { }

void frmTintora::mnuImport_Click(int) { }

void frmTintora::mnuExport_Click(int) { }

void frmTintora::mnuAbout_Click(int) { }

void frmTintora::mnuEmail_Click(int) { }

void frmTintora::mnuHelp_Click(int) { }

} // namespace swatchly
