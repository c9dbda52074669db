// The classic numbers of keys and mouse buttons, for the handlers whose design takes them; the
// controls report Qt's own keys, buttons and modifiers, and the window converts where it calls
// such a handler. Key presses reach them as a character code that the handler may set to 0 to
// discard the character (Backspace 8, Enter 13, Ctrl+C 3, Ctrl+V 22, Ctrl+X 24, printable
// characters their code). Mouse-down handlers take the button (1 left, 2 right, 4 middle) and
// the modifier mask (1 Shift, 2 Ctrl, 4 Alt).
#pragma once

#include "platform/controls/KeyPress.h"

#include <functional>

namespace swatchly::platform {

// The character code of a key press as the key handlers see it, or -1 for a key that types no
// character (Delete, cursor keys, modifiers).
int characterCode(const KeyPress &key);

// 0 for a button other than those three.
int mouseButtonCode(Qt::MouseButton button);
int shiftMask(Qt::KeyboardModifiers modifiers);

// Calls a key handler with the character code of a key that types a character; when the
// handler sets the code to 0 the key is discarded. Keys that type nothing do not reach it.
void passCharacterCode(KeyPress &key, const std::function<void(int &keyAscii)> &handler);

} // namespace swatchly::platform
