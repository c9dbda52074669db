// The program's About box: the platform's standard dialog with the program's title, name and
// icon, modal to the window that asks for it.
#pragma once

class QWidget;

namespace swatchly::platform {
class Dialogs;
}

namespace modChromel {

// Shows the About box through dialogs, modal to its owner, with the owner's icon (the
// application's without an owner), and returns when the user closes it.
void ShowAboutBox(swatchly::platform::Dialogs &dialogs, QWidget *owner);

} // namespace modChromel
