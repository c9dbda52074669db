#include "support/RealDisplay.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTest>
#include <QWidget>

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

void movePointerOnto(QWidget *widget, QPoint local)
{
    if (local == QPoint(-1, -1))
        local = widget->rect().center();
    movePointerTo(widget->mapToGlobal(local));
}

} // namespace swatchly::test
