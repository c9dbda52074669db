#include "platform/services/CommonDialog.h"

#include "platform/services/Dialogs.h"

#include <QWidget>

namespace swatchly::platform {

CommonDialog::CommonDialog(Dialogs &dialogs, QWidget *owner, const QString &name)
    : QObject(owner)
    , m_dialogs(dialogs)
    , m_owner(owner)
{
    setObjectName(name);
}

bool CommonDialog::ShowColor()
{
    const auto chosen = m_dialogs.chooseColour(m_owner, Color, DialogTitle);
    if (!chosen)
        return false;
    Color = *chosen;
    return true;
}

bool CommonDialog::ShowFont()
{
    const auto chosen = m_dialogs.chooseFont(m_owner, FontChoice { FontName, FontSize });
    if (!chosen)
        return false;
    FontName = chosen->name;
    FontSize = chosen->size;
    return true;
}

} // namespace swatchly::platform
