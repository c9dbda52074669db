#include "platform/services/Dialogs.h"

#include "platform/controls/ColourConversion.h"
#include "platform/services/ScreenPicker.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace swatchly::platform {

namespace {

class QtDialogs final : public Dialogs
{
public:
    std::optional<ColourValue> chooseColour(QWidget *owner, ColourValue initial,
                                            const QString &title) override
    {
        // Qt's own dialog everywhere: its screen picker takes a colour from anywhere on the
        // screen, which the native dialogs cannot.
        QColorDialog dialog(owner);
        if (!title.isEmpty())
            dialog.setWindowTitle(title);
        dialog.setOptions(QColorDialog::DontUseNativeDialog);
        dialog.setCurrentColor(toQColor(initial));
        if (screenPickerUsesPortal())
            pickScreenColourThroughPortal(dialog);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        const QColor chosen = dialog.selectedColor();
        if (!chosen.isValid())
            return std::nullopt;
        return RGB(chosen.red(), chosen.green(), chosen.blue());
    }

    std::optional<FontChoice> chooseFont(QWidget *owner, const FontChoice &initial) override
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

    void showAbout(QWidget *owner, const QString &title, const QString &text,
                   const QIcon &icon) override
    {
        QMessageBox box(owner);
        box.setWindowTitle(title);
        box.setText(text);
        box.setIconPixmap(icon.pixmap(48, 48));
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    }
};

QtDialogs qtDialogs;
Dialogs *currentDialogs = &qtDialogs;

} // namespace

void setDialogs(Dialogs *dialogs)
{
    currentDialogs = dialogs ? dialogs : &qtDialogs;
}

Dialogs &dialogs()
{
    return *currentDialogs;
}

} // namespace swatchly::platform
