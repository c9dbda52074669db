// The tip manager's tools: attaching, moving and taking away tips, and the widgets watched
// for them.
#include "widgets/cToolTipWatcher.h"

#include <utility>

namespace swatchly {

void cToolTip::Watcher::set(QWidget *widget, bool whole, int item, int left, int top, int right,
                            int bottom, const QString &text, bool centred)
{
    if (!window || !widget)
        return;
    if (text.isEmpty()) {
        remove(widget, whole, item);
        return;
    }
    Tool *tool = find(widget, whole, item);
    if (!tool) {
        m_tools.push_back(Tool { widget, widget, whole, item, 0, 0, 0, 0, {}, false });
        tool = &m_tools.back();
        watch(widget);
    }
    tool->left = left;
    tool->top = top;
    tool->right = right;
    tool->bottom = bottom;
    tool->text = text;
    tool->centred = centred;
    if (isCurrent(widget, whole, item) && window->isVisible())
        window->setText(text);
}

void cToolTip::Watcher::remove(QWidget *widget, bool whole, int item)
{
    const auto found = std::find_if(m_tools.begin(), m_tools.end(),
                                    [&](const Tool &t) { return t.is(widget, whole, item); });
    if (found == m_tools.end())
        return;
    m_tools.erase(found);
    if (isCurrent(widget, whole, item))
        cancel();
    if (std::none_of(m_tools.begin(), m_tools.end(),
                     [widget](const Tool &t) { return t.key == widget; }))
        unwatch(widget);
}

void cToolTip::Watcher::moveRect(QWidget *widget, int item, int left, int top, int right,
                                 int bottom)
{
    Tool *tool = find(widget, false, item);
    if (!tool)
        return;
    tool->left = left;
    tool->top = top;
    tool->right = right;
    tool->bottom = bottom;
    // The pointer may now be over another tip, or over none.
    if (m_hasCurrent && m_currentWidget == widget && widget->isVisible())
        pointerAt(widget, widget->mapFromGlobal(m_pointer), m_pointer);
}

const Tool *cToolTip::Watcher::find(const QWidget *widget, bool whole, int item) const
{
    for (const Tool &tool : m_tools)
        if (tool.is(widget, whole, item))
            return &tool;
    return nullptr;
}

Tool *cToolTip::Watcher::find(const QWidget *widget, bool whole, int item)
{
    return const_cast<Tool *>(std::as_const(*this).find(widget, whole, item));
}

bool cToolTip::Watcher::isCurrent(const QWidget *widget, bool whole, int item) const
{
    return m_hasCurrent && m_currentWidget == widget && m_currentWhole == whole &&
        (whole || m_currentItem == item);
}

void cToolTip::Watcher::watch(QWidget *widget)
{
    if (m_watched.count(widget))
        return;
    Watched entry { widget, widget->hasMouseTracking(), {} };
    // Moves without a button pressed reach the widget only with tracking on; they tell
    // which rectangle the pointer rests on.
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    entry.destroyed =
        connect(widget, &QObject::destroyed, this, [this, widget] { forget(widget); });
    m_watched.emplace(widget, entry);
}

void cToolTip::Watcher::unwatch(QWidget *widget)
{
    const auto found = m_watched.find(widget);
    if (found == m_watched.end())
        return;
    disconnect(found->second.destroyed);
    if (QWidget *alive = found->second.widget) {
        alive->removeEventFilter(this);
        if (!found->second.trackingWasOn)
            alive->setMouseTracking(false);
    }
    m_watched.erase(found);
}

// The widget is going away: drop its tips without touching it any more.
void cToolTip::Watcher::forget(QWidget *widget)
{
    if (m_hasCurrent && m_currentWidget == widget)
        cancel();
    std::erase_if(m_tools, [widget](const Tool &t) { return t.key == widget; });
    const auto found = m_watched.find(widget);
    if (found != m_watched.end()) {
        disconnect(found->second.destroyed);
        m_watched.erase(found);
    }
}

void cToolTip::Watcher::windowGone()
{
    m_delay.stop();
    m_visible.stop();
    m_onTip.stop();
    m_hasCurrent = false;
    m_tools.clear();
    while (!m_watched.empty())
        unwatch(m_watched.begin()->first);
}

} // namespace swatchly
