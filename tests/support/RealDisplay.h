// Drivers for the tests that run on a real X server (the *DisplayTest classes, which CTest
// runs under scripts/with-xvfb). There the pointer really moves: the server itself sends the
// Enter, Leave and motion events, and windows, fonts and palettes are the real ones.
#pragma once

#include <QPoint>

class QWidget;

namespace swatchly::test {

// True on a real window system; the display tests skip themselves elsewhere.
bool onRealDisplay();

// Warps the X pointer to a global position and waits until the server's events about it
// have been handled.
void movePointerTo(const QPoint &global);
// Warps the pointer onto a widget, at `local` (its centre when not given).
void movePointerOnto(QWidget *widget, QPoint local = QPoint(-1, -1));
// Presses and releases a button (1 the left, 4 and 5 the wheel up and down) where the pointer is,
// through the X server's test extension, so that the server decides which window the click reaches,
// as for a person's. False when the extension cannot be reached.
bool clickPointer(unsigned button = 1);

} // namespace swatchly::test
