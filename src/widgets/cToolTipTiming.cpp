// When and where the tip shows: the pointer's rest on a tool, the timers, and the tip's place
// by the pointer or centred below its tool.
#include "widgets/cToolTipWatcher.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>

namespace swatchly {

cToolTip::Watcher::Watcher(cToolTip &owner)
    : m_owner(owner)
{
    // Without a widget application there is nothing to show tips in; the object then
    // works on without a tip window.
    if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
        window = new TipWindow;
        connect(window.data(), &QObject::destroyed, this, [this] { windowGone(); });
    }
    m_delay.setSingleShot(true);
    m_visible.setSingleShot(true);
    m_onTip.setInterval(50);
    connect(&m_delay, &QTimer::timeout, this, [this] { showTip(); });
    connect(&m_visible, &QTimer::timeout, this, [this] { popTip(); });
    connect(&m_onTip, &QTimer::timeout, this, [this] { followPointerOnTip(); });
}

cToolTip::Watcher::~Watcher()
{
    m_delay.stop();
    m_visible.stop();
    m_onTip.stop();
    while (!m_watched.empty())
        unwatch(m_watched.begin()->first);
    delete window.data();
}

void cToolTip::Watcher::setVisibleTime(int ms)
{
    m_visible.setInterval(std::max(0, ms));
    if (ms <= 0)
        m_visible.stop();
}

bool cToolTip::Watcher::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::Enter: {
        const auto *enter = static_cast<QEnterEvent *>(event);
        pointerAt(widget, enter->position().toPoint(), enter->globalPosition().toPoint());
        break;
    }
    case QEvent::MouseMove: {
        const auto *move = static_cast<QMouseEvent *>(event);
        pointerAt(widget, move->position().toPoint(), move->globalPosition().toPoint());
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (m_hasCurrent && m_currentWidget == widget) {
            // No tip again until the pointer leaves: it would get in the way of a drag.
            m_delay.stop();
            popTip();
        }
        break;
    case QEvent::Leave:
        if (m_hasCurrent && m_currentWidget == widget) {
            // A move onto the tip is no leaving: the tip stays until the pointer goes
            // elsewhere from there.
            if (pointerOnTip(QCursor::pos()))
                m_onTip.start();
            else
                cancel();
        }
        break;
    case QEvent::Hide:
        if (m_hasCurrent && m_currentWidget == widget)
            cancel();
        break;
    case QEvent::Destroy:
        forget(widget);
        break;
    default:
        break;
    }
    return false;
}

// The tip under the pointer: a rectangle tip first, in the order they were attached,
// then the window tip.
const Tool *cToolTip::Watcher::hitTest(const QWidget *widget, const QPoint &local) const
{
    for (const Tool &tool : m_tools)
        if (tool.key == widget && !tool.whole && tool.contains(local))
            return &tool;
    return find(widget, true, 0);
}

void cToolTip::Watcher::pointerAt(QWidget *widget, const QPoint &local, const QPoint &global)
{
    m_pointer = global;
    const Tool *hit = hitTest(widget, local);
    if (!hit) {
        if (m_hasCurrent)
            cancel();
        return;
    }
    if (isCurrent(widget, hit->whole, hit->item)) {
        // Still waiting: the pointer has to rest for the whole delay.
        if (!m_popped && !(window && window->isVisible()))
            m_delay.start();
        return;
    }
    cancel();
    m_hasCurrent = true;
    m_currentWidget = widget;
    m_currentWhole = hit->whole;
    m_currentItem = hit->item;
    m_delay.start();
}

void cToolTip::Watcher::showTip()
{
    if (!m_hasCurrent || !window)
        return;
    const Tool *tool = find(m_currentWidget, m_currentWhole, m_currentItem);
    if (!tool || !tool->widget || !tool->widget->isVisible())
        return;
    window->setText(tool->text);
    QPoint anchor = m_pointer;
    if (tool->centred) {
        const QRect area = tool->whole
            ? tool->widget->rect()
            : QRect(QPoint(tool->left, tool->top), QPoint(tool->right - 1, tool->bottom - 1));
        anchor = tool->widget->mapToGlobal(QPoint(area.center().x(), area.bottom() + 1));
    }
    window->showAt(anchor, tool->centred);
    if (m_owner.VisibleTime() > 0)
        m_visible.start();
}

bool cToolTip::Watcher::pointerOnTip(const QPoint &global) const
{
    return window && window->isVisible() && window->geometry().contains(global);
}

// The tip takes no pointer input, so nothing reports the pointer's moves over it; look
// where it is until it comes back to the tool (whose Enter takes over) or goes elsewhere.
void cToolTip::Watcher::followPointerOnTip()
{
    const QPoint global = QCursor::pos();
    if (!m_hasCurrent || pointerOnTip(global))
        return;
    m_onTip.stop();
    const Tool *tool = find(m_currentWidget, m_currentWhole, m_currentItem);
    QWidget *widget = tool ? tool->widget.data() : nullptr;
    if (!widget || !widget->isVisible() || !widget->rect().contains(widget->mapFromGlobal(global)))
        cancel();
}

void cToolTip::Watcher::popTip()
{
    m_visible.stop();
    if (window)
        window->hide();
    m_popped = true;
}

void cToolTip::Watcher::cancel()
{
    m_delay.stop();
    m_visible.stop();
    m_onTip.stop();
    if (window)
        window->hide();
    m_hasCurrent = false;
    m_popped = false;
}

} // namespace swatchly
