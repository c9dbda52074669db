#include "platform/Windows.h"

#include "platform/controls/ColourConversion.h"

#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace swatchly::platform {

void centreOnScreen(QWidget *window, const QScreen *screen)
{
    if (!screen)
        screen = window->screen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void setWindowColours(QWidget *window, ColourValue background)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, toQColor(background));
    palette.setColor(QPalette::WindowText, Qt::black);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void setFieldColours(QWidget *field, ColourValue base)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, toQColor(base));
    palette.setColor(QPalette::Text, Qt::black);
    field->setPalette(palette);
}

} // namespace swatchly::platform
