// Closing the window and saving the Users Special Colors.
#include "chart/frmTintora.h"

namespace swatchly {

void frmTintora::cmdExit_Click()
{
    close();
}

void frmTintora::mnuExit_Click()
{
    close();
}

void frmTintora::Form_QueryUnload(int &, int) { }

} // namespace swatchly
