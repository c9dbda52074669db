#include "platform/services/Dialogs.h"

#include "platform/controls/ColourConversion.h"
#include "platform/services/ScreenPicker.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace swatchly::platform {

std::optional<ColourValue> QtDialogs::chooseColour(QWidget *owner, ColourValue initial,
                                                   const QString &title)
{
    // Qt's own dialog everywhere: its screen picker takes a colour from anywhere on the
    // screen, which the native dialogs cannot.
    QColorDialog dialog(owner);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    dialog.setOptions(QColorDialog::DontUseNativeDialog);
    dialog.setCurrentColor(toQColor(initial));
    if (screenPickerUsesPortal())
        pickScreenColourThroughPortal(dialog, m_boxes);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid())
        return std::nullopt;
    return RGB(chosen.red(), chosen.green(), chosen.blue());
}

std::optional<FontChoice> QtDialogs::chooseFont(QWidget *owner, const FontChoice &initial)
{
    bool ok = false;
    QFont start(initial.name);
    if (initial.size > 0)
        start.setPointSizeF(initial.size);
    const QFont chosen = QFontDialog::getFont(&ok, start, owner);
    if (!ok)
        return std::nullopt;
    return FontChoice { chosen.family(), chosen.pointSizeF() };
}

void QtDialogs::showAbout(QWidget *owner, const QString &title, const QString &text,
                          const QIcon &icon)
{
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setText(text);
    box.setIconPixmap(icon.pixmap(48, 48));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

} // namespace swatchly::platform
