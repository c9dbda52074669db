// A tool tip manager: one tip window of its own look and timing, attached to other windows.
//
// Each object owns one TipWindow and serves any number of tools: a window tip covers a whole
// widget, a rectangle tip (numbered by the caller) a rectangle in the widget's client
// coordinates. The object watches its tools' mouse events itself; when the pointer has rested
// on a tool for DelayTime ms the tip under it shows, and it goes after VisibleTime ms or when
// the pointer leaves or presses a button. Each property takes effect at once, also on tips
// attached earlier and on a tip that is showing.
#pragma once

#include "core/Colour.h"

#include <QRect>
#include <QString>

#include <memory>

class QWidget;

namespace swatchly {

class TipWindow;

class cToolTip
{
public:
    cToolTip();
    ~cToolTip();
    cToolTip(const cToolTip &) = delete;
    cToolTip &operator=(const cToolTip &) = delete;

    // Maximum width of a tip's text in pixels; 0 or less: no limit.
    int TipWidth() const { return m_tipWidth; }
    void setTipWidth(int vData);
    // Milliseconds the pointer rests on a tool before its tip shows.
    int DelayTime() const { return m_delayTime; }
    void setDelayTime(int vData);
    // Milliseconds a tip stays up; 0 or less: until the pointer leaves.
    int VisibleTime() const { return m_visibleTime; }
    void setVisibleTime(int vData);
    ColourValue BkColor() const { return m_bkColor; }
    void setBkColor(ColourValue vData);
    ColourValue TxtColor() const { return m_txtColor; }
    void setTxtColor(ColourValue vData);
    // 1 standard (rectangular) tips, 2 balloon tips; any other value is kept but changes
    // nothing.
    int Style() const { return m_style; }
    void setStyle(int vData);

    // Attaches a tip to the whole of objHwnd; again for the same widget replaces its text, and
    // an empty text takes the tip away. bCenter: centred below the widget instead of near the
    // pointer.
    void SetToolTipObj(QWidget *objHwnd, const QString &sTipText, bool bCenter = false);
    // Attaches rectangle tip nItem over lft, tp (inclusive) to rght, btm (exclusive) of
    // objHwnd's client area; where it overlaps the window tip, the rectangle tip shows.
    void SetToolTipItem(QWidget *objHwnd, int nItem, int lft, int tp, int rght, int btm,
                        const QString &sTipText, bool bCenter = false);
    // nItem 0 or more: rectangle tip nItem of objHwnd; negative: objHwnd's window tip.
    void DelToolTip(QWidget *objHwnd, int nItem);
    // Moves rectangle tip nItem of objHwnd; nothing happens when there is no such tip.
    void AjustItemRect(QWidget *objHwnd, int nItem, int lft, int tp, int rght, int btm);

    // What the object holds. The tip window is null only when it could not be made or was
    // destroyed from outside; the object then keeps its properties and serves no tools.
    TipWindow *tipWindow() const;
    QString tipText(QWidget *objHwnd) const; // the window tip's text, empty when none
    QString itemText(QWidget *objHwnd, int nItem) const;
    QRect itemRect(QWidget *objHwnd, int nItem) const; // a null rectangle when none
    bool isCentred(QWidget *objHwnd, int nItem = -1) const;
    int tipCount() const; // window and rectangle tips of all tools

private:
    class Watcher;

    std::unique_ptr<Watcher> m_watcher;
    int m_tipWidth = 0;
    int m_delayTime = 0;
    int m_visibleTime = 0;
    ColourValue m_bkColor = 0;
    ColourValue m_txtColor = 0;
    int m_style = 0;
};

} // namespace swatchly
