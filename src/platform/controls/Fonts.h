// The face the windows' captions were laid out for.
#pragma once

class QWidget;

namespace swatchly::platform {

// Sets a widget's font to the classic dialog face at the given size (the platform's sans serif
// stands in where that face is missing).
void setClassicFont(QWidget *widget, double pointSize, bool bold = false);

} // namespace swatchly::platform
