// The menu and toolbar commands.
#include "chart/frmTintora.h"

#include "commands/AboutBox.h"
#include "commands/CHelp.h"
#include "commands/frmSendEmail.h"
#include "platform/services/CommandKeys.h"
#include "schemes/frmSavetxt.h"

namespace swatchly {

void frmTintora::setUpCommandKeys()
{
    platform::keepCommandKeys(this, { mnuImport, mnuExport, mnuAbout, mnuEmail, mnuHelp });
}

void frmTintora::Toolbar1_ButtonClick(const QString &Key)
{
    if (Key == QLatin1String("Import"))
        mnuImport_Click(0);
    else if (Key == QLatin1String("Export"))
        mnuExport_Click(0);
    else if (Key == QLatin1String("About"))
        mnuAbout_Click(0);
    else if (Key == QLatin1String("Help"))
        mnuHelp_Click(0);
    else if (Key == QLatin1String("Email"))
        mnuEmail_Click(0);
}

void frmTintora::mnuImport_Click(int)
{
    frmSavetxt::open(*this, 0);
}

void frmTintora::mnuExport_Click(int)
{
    frmSavetxt::open(*this, 1);
}

void frmTintora::mnuAbout_Click(int)
{
    modChromel::ShowAboutBox(*m_services.dialogs, this);
}

void frmTintora::mnuEmail_Click(int)
{
    frmSendEmail window(m_services, this);
    window.exec();
}

void frmTintora::mnuHelp_Click(int)
{
    CHelp help(*m_services.help);
    help.Show(m_services.programFilePath(QStringLiteral("swatchly.chm")),
              QStringLiteral("swatchwin"));
}

} // namespace swatchly
