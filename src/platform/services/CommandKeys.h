// Command keys: the keys of a window's commands work wherever the focus is in the window.
// Text boxes claim Ctrl+A (select all) and other control keys for themselves before the
// window's shortcuts are looked at; the keys of the commands given here are kept away from them.
#pragma once

#include <initializer_list>

class QAction;
class QWidget;

namespace swatchly::platform {

// For as long as window lives, a key that is the shortcut of one of commands, while that command
// is enabled, goes to the command even when a box inside window has the focus.
void keepCommandKeys(QWidget *window, std::initializer_list<QAction *> commands);

} // namespace swatchly::platform
