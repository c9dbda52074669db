#include "platform/controls/KeyCodes.h"

namespace swatchly::platform {

int characterCode(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    default:
        break;
    }
    if (event->modifiers() & Qt::ControlModifier) {
        // Control characters of the letter keys: Ctrl+C 3, Ctrl+V 22, Ctrl+X 24 ...
        if (event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
            return event->key() - Qt::Key_A + 1;
        return -1;
    }
    const QString text = event->text();
    if (text.size() != 1)
        return -1;
    const QChar ch = text.at(0);
    if (ch.unicode() == 127)
        return -1; // Delete types no character
    if (ch.unicode() < 32 && ch.unicode() != 27 && ch.unicode() != 9)
        return ch.unicode();
    if (!ch.isPrint())
        return -1;
    return ch.unicode();
}

int mouseButtonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int shiftMask(Qt::KeyboardModifiers modifiers)
{
    int mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= 1;
    if (modifiers & Qt::ControlModifier)
        mask |= 2;
    if (modifiers & Qt::AltModifier)
        mask |= 4;
    return mask;
}

bool discardsKey(QKeyEvent *event, const std::function<void(int &)> &raise)
{
    int code = characterCode(event);
    if (code < 0)
        return false;
    raise(code);
    if (code != 0)
        return false;
    event->accept();
    return true;
}

} // namespace swatchly::platform
