#include "widgets/cToolTip.h"

#include "platform/controls/ColourConversion.h"
#include "widgets/TipWindow.h"
#include "widgets/cToolTipWatcher.h"

namespace swatchly {

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
