// A tool tip manager: one tip window of its own look and timing, attached to other windows.
#pragma once

#include "colour/Colour.h"

#include <QString>

class QWidget;

namespace swatchly {

class cToolTip
{
public:
    cToolTip();
    ~cToolTip();

    int TipWidth() const { return m_tipWidth; }
    void setTipWidth(int vData) { m_tipWidth = vData; }
    int DelayTime() const { return m_delayTime; }
    void setDelayTime(int vData) { m_delayTime = vData; }
    int VisibleTime() const { return m_visibleTime; }
    void setVisibleTime(int vData) { m_visibleTime = vData; }
    ColourValue BkColor() const { return m_bkColor; }
    void setBkColor(ColourValue vData) { m_bkColor = vData; }
    ColourValue TxtColor() const { return m_txtColor; }
    void setTxtColor(ColourValue vData) { m_txtColor = vData; }
    int Style() const { return m_style; }
    void setStyle(int vData) { m_style = vData; }

    void SetToolTipObj(QWidget *objHwnd, const QString &sTipText, bool bCenter = false);

private:
    int m_tipWidth = 300;
    int m_delayTime = 500;
    int m_visibleTime = 2000;
    ColourValue m_bkColor = 0xEEFFFF;
    ColourValue m_txtColor = 0;
    int m_style = 1;
};

} // namespace swatchly
