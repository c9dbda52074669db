#include "support/RealDisplay.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTest>
#include <QWidget>

#include <dlfcn.h>

namespace swatchly::test {

bool onRealDisplay()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

void movePointerTo(const QPoint &global)
{
    QCursor::setPos(global);
    // QCursor::pos asks the server, so once it answers the warp has happened; the crossing
    // events it caused are queued by then and the short wait delivers them.
    QTRY_COMPARE_WITH_TIMEOUT(QCursor::pos(), global, 2000);
    QTest::qWait(50);
}

bool clickPointer(unsigned button)
{
    // Xlib and its test extension are loaded when needed: the offscreen tests and the program
    // itself never link them.
    using FakeButton = int (*)(Display *, unsigned, int, unsigned long);
    using Flush = int (*)(Display *);
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    void *xtst = ::dlopen("libXtst.so.6", RTLD_NOW | RTLD_GLOBAL);
    void *xlib = ::dlopen("libX11.so.6", RTLD_NOW | RTLD_GLOBAL);
    if (!x11 || !x11->display() || !xtst || !xlib)
        return false;
    auto fakeButton = reinterpret_cast<FakeButton>(::dlsym(xtst, "XTestFakeButtonEvent"));
    auto flush = reinterpret_cast<Flush>(::dlsym(xlib, "XFlush"));
    if (!fakeButton || !flush)
        return false;
    Display *display = x11->display();
    fakeButton(display, button, 1, 0);
    fakeButton(display, button, 0, 0);
    flush(display);
    // The server's answer to a round trip comes after the button events it caused.
    QCursor::pos();
    QTest::qWait(100);
    return true;
}

void movePointerOnto(QWidget *widget, QPoint local)
{
    if (local == QPoint(-1, -1))
        local = widget->rect().center();
    movePointerTo(widget->mapToGlobal(local));
}

} // namespace swatchly::test
