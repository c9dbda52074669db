// The tip manager's inner workings, shared by the files of cToolTip: the tools it keeps and
// the watcher that follows the pointer over them.
#pragma once

#include "widgets/TipWindow.h"
#include "widgets/cToolTip.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <map>
#include <vector>

namespace swatchly {

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

// Keeps the tools, watches their events and drives the tip window with two timers: one for
// the rest before a tip shows, one for the time it stays up (and a third that follows the
// pointer while it is on the tip).
class cToolTip::Watcher : public QObject
{
public:
    explicit Watcher(cToolTip &owner);
    ~Watcher() override;

    void setDelay(int ms) { m_delay.setInterval(std::max(0, ms)); }
    void setVisibleTime(int ms);
    void set(QWidget *widget, bool whole, int item, int left, int top, int right, int bottom,
             const QString &text, bool centred);
    void remove(QWidget *widget, bool whole, int item);
    void moveRect(QWidget *widget, int item, int left, int top, int right, int bottom);

    const Tool *find(const QWidget *widget, bool whole, int item) const;
    Tool *find(const QWidget *widget, bool whole, int item);
    int count() const { return static_cast<int>(m_tools.size()); }

    QPointer<TipWindow> window;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Watched
    {
        QPointer<QWidget> widget;
        bool trackingWasOn;
        QMetaObject::Connection destroyed;
    };

    bool isCurrent(const QWidget *widget, bool whole, int item) const;
    void watch(QWidget *widget);
    void unwatch(QWidget *widget);
    void forget(QWidget *widget);
    void windowGone();
    const Tool *hitTest(const QWidget *widget, const QPoint &local) const;
    void pointerAt(QWidget *widget, const QPoint &local, const QPoint &global);
    void showTip();
    bool pointerOnTip(const QPoint &global) const;
    void followPointerOnTip();
    void popTip();
    void cancel();

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

} // namespace swatchly
