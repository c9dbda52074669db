// The More Colors and Font Select dialogs and the clipboard viewer.
#include "chart/frmTintora.h"

#include "platform/services/Clipboard.h"
#include "platform/services/Launcher.h"
#include "platform/services/MessageBoxes.h"

#include <QFontInfo>

namespace swatchly {

void frmTintora::cmdShowMeColors_Click()
{
    cdColor->Color = currentColour();
    //: The colour dialog's title.
    cdColor->DialogTitle = tr("Vexel Form Creator");
    if (!cdColor->ShowColor())
        return;
    // Only a plain colour may become the current colour; anything else counts as a failure
    // of the dialog and leaves everything as it was.
    if (cdColor->Color < 0 || cdColor->Color > 0xFFFFFF)
        return;
    picColorSel->setBackColor(cdColor->Color);
    picColorSel_Change();
    ShowColorsInHexDecTextBoxes();
}

void frmTintora::cmdFont_Click()
{
    // The label asks for a list of faces; the dialog starts on the one actually shown.
    cdbFont->FontName = QFontInfo(lblSlide->font()).family();
    cdbFont->FontSize = lblSlide->font().pointSizeF();
    if (!cdbFont->ShowFont())
        return;
    if (cdbFont->FontName.isEmpty())
        return;

    // Name first, then size; bold and the other attributes stay as designed.
    QFont font = lblSlide->font();
    font.setFamilies({ cdbFont->FontName });
    lblSlide->setFont(font);
    if (cdbFont->FontSize <= 0)
        return;
    font.setPointSizeF(cdbFont->FontSize);
    lblSlide->setFont(font);

    platform::clipboardClear();
    platform::clipboardSetText(cdbFont->FontName);
}

void frmTintora::lblShowCB_Click()
{
    if (m_services.launcher->startProgram(QStringLiteral("C:\\WINDOWS\\CLIPBRD.EXE")) == 0)
        m_services.messageBoxes->msgBox(tr("Your ClipBoard is not Installed..."));
}

} // namespace swatchly
