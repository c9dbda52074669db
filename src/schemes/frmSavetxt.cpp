#include "schemes/frmSavetxt.h"

#include "chart/frmTintora.h"

namespace swatchly {

frmSavetxt::frmSavetxt(frmTintora &mainWindow)
    : m_main(mainWindow)
{
}

frmSavetxt *frmSavetxt::open(frmTintora &, int)
{
    return nullptr;
}

} // namespace swatchly
