#include "widgets/cToolTip.h"

#include "platform/controls/ColourConversion.h"
#include "widgets/TipWindow.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <map>
#include <vector>

namespace swatchly {

namespace {

struct Tool
{
    QWidget *key; // stays valid as a key after the widget is gone
    QPointer<QWidget> widget;
    bool whole; // the window tip; otherwise rectangle tip `item`
    int item;
    int left, top, right, bottom;
    QString text;
    bool centred;

    bool is(const QWidget *w, bool wholeTip, int nItem) const
    {
        return key == w && whole == wholeTip && (whole || item == nItem);
    }
    bool contains(const QPoint &p) const
    {
        return p.x() >= left && p.x() < right && p.y() >= top && p.y() < bottom;
    }
};

} // namespace

// Keeps the tools, watches their events and drives the tip window with two timers: one for
// the rest before a tip shows, one for the time it stays up (and a third that follows the
// pointer while it is on the tip).
class cToolTip::Watcher : public QObject
{
public:
    explicit Watcher(cToolTip &owner)
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

    ~Watcher() override
    {
        m_delay.stop();
        m_visible.stop();
        m_onTip.stop();
        while (!m_watched.empty())
            unwatch(m_watched.begin()->first);
        delete window.data();
    }

    void setDelay(int ms) { m_delay.setInterval(std::max(0, ms)); }
    void setVisibleTime(int ms)
    {
        m_visible.setInterval(std::max(0, ms));
        if (ms <= 0)
            m_visible.stop();
    }

    void set(QWidget *widget, bool whole, int item, int left, int top, int right, int bottom,
             const QString &text, bool centred)
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

    void remove(QWidget *widget, bool whole, int item)
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

    void moveRect(QWidget *widget, int item, int left, int top, int right, int bottom)
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

    const Tool *find(const QWidget *widget, bool whole, int item) const
    {
        for (const Tool &tool : m_tools)
            if (tool.is(widget, whole, item))
                return &tool;
        return nullptr;
    }
    Tool *find(const QWidget *widget, bool whole, int item)
    {
        return const_cast<Tool *>(std::as_const(*this).find(widget, whole, item));
    }
    int count() const { return static_cast<int>(m_tools.size()); }

    QPointer<TipWindow> window;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
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

private:
    struct Watched
    {
        QPointer<QWidget> widget;
        bool trackingWasOn;
        QMetaObject::Connection destroyed;
    };

    bool isCurrent(const QWidget *widget, bool whole, int item) const
    {
        return m_hasCurrent && m_currentWidget == widget && m_currentWhole == whole &&
            (whole || m_currentItem == item);
    }

    void watch(QWidget *widget)
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

    void unwatch(QWidget *widget)
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
    void forget(QWidget *widget)
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

    void windowGone()
    {
        m_delay.stop();
        m_visible.stop();
        m_onTip.stop();
        m_hasCurrent = false;
        m_tools.clear();
        while (!m_watched.empty())
            unwatch(m_watched.begin()->first);
    }

    // The tip under the pointer: a rectangle tip first, in the order they were attached,
    // then the window tip.
    const Tool *hitTest(const QWidget *widget, const QPoint &local) const
    {
        for (const Tool &tool : m_tools)
            if (tool.key == widget && !tool.whole && tool.contains(local))
                return &tool;
        return find(widget, true, 0);
    }

    void pointerAt(QWidget *widget, const QPoint &local, const QPoint &global)
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

    void showTip()
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

    bool pointerOnTip(const QPoint &global) const
    {
        return window && window->isVisible() && window->geometry().contains(global);
    }

    // The tip takes no pointer input, so nothing reports the pointer's moves over it; look
    // where it is until it comes back to the tool (whose Enter takes over) or goes elsewhere.
    void followPointerOnTip()
    {
        const QPoint global = QCursor::pos();
        if (!m_hasCurrent || pointerOnTip(global))
            return;
        m_onTip.stop();
        const Tool *tool = find(m_currentWidget, m_currentWhole, m_currentItem);
        QWidget *widget = tool ? tool->widget.data() : nullptr;
        if (!widget || !widget->isVisible() ||
            !widget->rect().contains(widget->mapFromGlobal(global)))
            cancel();
    }

    void popTip()
    {
        m_visible.stop();
        if (window)
            window->hide();
        m_popped = true;
    }

    void cancel()
    {
        m_delay.stop();
        m_visible.stop();
        m_onTip.stop();
        if (window)
            window->hide();
        m_hasCurrent = false;
        m_popped = false;
    }

    cToolTip &m_owner;
    std::vector<Tool> m_tools;
    std::map<QWidget *, Watched> m_watched;
    QTimer m_delay;
    QTimer m_visible;
    QTimer m_onTip;

    bool m_hasCurrent = false;
    QWidget *m_currentWidget = nullptr;
    bool m_currentWhole = true;
    int m_currentItem = 0;
    bool m_popped = false; // the current tip has been up; it waits for the pointer to leave
    QPoint m_pointer;
};

cToolTip::cToolTip()
    : m_watcher(std::make_unique<Watcher>(*this))
{
    setStyle(1);
    setTipWidth(300);
    setBkColor(0xEEFFFF);
    setTxtColor(0);
    setDelayTime(500);
    setVisibleTime(2000);
}

cToolTip::~cToolTip() = default;

void cToolTip::setTipWidth(int vData)
{
    m_tipWidth = vData;
    if (TipWindow *window = m_watcher->window)
        window->setMaxTextWidth(vData);
}

void cToolTip::setDelayTime(int vData)
{
    m_delayTime = vData;
    m_watcher->setDelay(vData);
}

void cToolTip::setVisibleTime(int vData)
{
    m_visibleTime = vData;
    m_watcher->setVisibleTime(vData);
}

void cToolTip::setBkColor(ColourValue vData)
{
    m_bkColor = vData;
    if (TipWindow *window = m_watcher->window)
        window->setBackgroundColour(platform::toQColor(vData));
}

void cToolTip::setTxtColor(ColourValue vData)
{
    m_txtColor = vData;
    if (TipWindow *window = m_watcher->window)
        window->setTextColour(platform::toQColor(vData));
}

void cToolTip::setStyle(int vData)
{
    m_style = vData;
    TipWindow *window = m_watcher->window;
    if (!window)
        return;
    if (vData == 2)
        window->setBalloon(true);
    else if (vData == 1)
        window->setBalloon(false);
}

void cToolTip::SetToolTipObj(QWidget *objHwnd, const QString &sTipText, bool bCenter)
{
    m_watcher->set(objHwnd, true, 0, 0, 0, 0, 0, sTipText, bCenter);
}

void cToolTip::SetToolTipItem(QWidget *objHwnd, int nItem, int lft, int tp, int rght, int btm,
                              const QString &sTipText, bool bCenter)
{
    m_watcher->set(objHwnd, false, nItem, lft, tp, rght, btm, sTipText, bCenter);
}

void cToolTip::DelToolTip(QWidget *objHwnd, int nItem)
{
    if (nItem >= 0)
        m_watcher->remove(objHwnd, false, nItem);
    else
        m_watcher->remove(objHwnd, true, 0);
}

void cToolTip::AjustItemRect(QWidget *objHwnd, int nItem, int lft, int tp, int rght, int btm)
{
    m_watcher->moveRect(objHwnd, nItem, lft, tp, rght, btm);
}

TipWindow *cToolTip::tipWindow() const
{
    return m_watcher->window;
}

QString cToolTip::tipText(QWidget *objHwnd) const
{
    const Tool *tool = m_watcher->find(objHwnd, true, 0);
    return tool ? tool->text : QString();
}

QString cToolTip::itemText(QWidget *objHwnd, int nItem) const
{
    const Tool *tool = m_watcher->find(objHwnd, false, nItem);
    return tool ? tool->text : QString();
}

QRect cToolTip::itemRect(QWidget *objHwnd, int nItem) const
{
    const Tool *tool = m_watcher->find(objHwnd, false, nItem);
    if (!tool)
        return {};
    return QRect(QPoint(tool->left, tool->top),
                 QSize(tool->right - tool->left, tool->bottom - tool->top));
}

bool cToolTip::isCentred(QWidget *objHwnd, int nItem) const
{
    const Tool *tool = m_watcher->find(objHwnd, nItem < 0, nItem);
    return tool && tool->centred;
}

int cToolTip::tipCount() const
{
    return m_watcher->count();
}

} // namespace swatchly
