// The classic numbers of keys and mouse buttons, for the handlers whose design takes them; the
// controls report Qt's own keys, buttons and modifiers, and the window converts where it calls
// such a handler. Key presses reach them as a character code that the handler may set to 0 to
// discard the character (Backspace 8, Enter 13, Ctrl+C 3, Ctrl+V 22, Ctrl+X 24, printable
// characters their code). Mouse-down handlers take the button (1 left, 2 right, 4 middle) and
// the modifier mask (1 Shift, 2 Ctrl, 4 Alt).
#pragma once

#include <QKeyEvent>

#include <functional>

namespace swatchly::platform {

// The character code of a key event as the key handlers see it, or -1 for a key that types no
// character (Delete, cursor keys, modifiers).
int characterCode(const QKeyEvent *event);

// 0 for a button other than those three.
int mouseButtonCode(Qt::MouseButton button);
int shiftMask(Qt::KeyboardModifiers modifiers);

// Raises a control's key event for a key that types a character (raise receives the code and
// may set it to 0) and tells whether the handler discarded the character; a discarded key is
// accepted, so that nothing types it.
bool discardsKey(QKeyEvent *event, const std::function<void(int &)> &raise);

} // namespace swatchly::platform
