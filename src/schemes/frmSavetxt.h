// The scheme file window: export the Users Special Colors to a named scheme file, import one
// into them, or delete one.
#pragma once

#include <QWidget>

namespace swatchly {

class frmTintora;

class frmSavetxt : public QWidget
{
    Q_OBJECT
public:
    explicit frmSavetxt(frmTintora &mainWindow);

    // Shows the window (loading it first when it is not loaded), chooses optOpenSave(option)
    // and hides the main window.
    static frmSavetxt *open(frmTintora &mainWindow, int option);

private:
    frmTintora &m_main;
};

} // namespace swatchly
