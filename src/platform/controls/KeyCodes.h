// What a key or mouse event means to the handlers: the character code a key types, the button
// code of a mouse button and the mask of the modifier keys held.
#pragma once

#include <QKeyEvent>

#include <functional>

namespace swatchly::platform {

// The character code of a key event as the key handlers see it, or -1 for a key that types no
// character (Delete, cursor keys, modifiers).
int characterCode(const QKeyEvent *event);

int mouseButtonCode(Qt::MouseButton button);
int shiftMask(Qt::KeyboardModifiers modifiers);

// Raises a control's key event for a key that types a character (raise receives the code and
// may set it to 0) and tells whether the handler discarded the character; a discarded key is
// accepted, so that nothing types it.
bool discardsKey(QKeyEvent *event, const std::function<void(int &)> &raise);

} // namespace swatchly::platform
