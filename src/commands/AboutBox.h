// The program's About box: the platform's standard dialog with the program's title, name and
// icon, modal to the main window.
#pragma once

class QWidget;

namespace modChromel {

// Shows the About box over the colour chart window and returns when the user closes it.
void ShowAboutBox();

// The same, modal to the given owner and showing its icon.
void ShowAboutBox(QWidget *owner);

} // namespace modChromel
