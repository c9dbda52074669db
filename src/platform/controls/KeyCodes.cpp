#include "platform/controls/KeyCodes.h"

namespace swatchly::platform {

int characterCode(const KeyPress &key)
{
    switch (key.key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    default:
        break;
    }
    if (key.modifiers() & Qt::ControlModifier) {
        // Control characters of the letter keys: Ctrl+C 3, Ctrl+V 22, Ctrl+X 24 ...
        if (key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
            return key.key() - Qt::Key_A + 1;
        return -1;
    }
    const QString &text = key.text();
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

void passCharacterCode(KeyPress &key, const std::function<void(int &keyAscii)> &handler)
{
    int code = characterCode(key);
    if (code < 0)
        return;
    handler(code);
    if (code == 0)
        key.discard();
}

} // namespace swatchly::platform
