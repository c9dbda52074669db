// The window that shows the tips of one cToolTip.
//
// It is a frameless tool-tip window that never takes the focus or the pointer's input, drawn
// in the manager's colours: a plain rectangle with a thin border, or a balloon (a rounded body
// with a small triangle that points at the spot the tip belongs to), cut to its shape. Its
// text keeps CR LF as line breaks, shows "&" as it is, and wraps at the maximum width, inside
// long words too.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPoint>
#include <QStringList>
#include <QWidget>

namespace swatchly {

class TipWindow : public QWidget
{
    Q_OBJECT
public:
    TipWindow();

    void setBackgroundColour(const QColor &colour);
    void setTextColour(const QColor &colour);
    // pixels; 0 or less lets a line grow as long as it is
    void setMaxTextWidth(int pixels);
    void setBalloon(bool balloon);
    void setText(const QString &text);

    // Places the tip so that it points at `anchor` (global coordinates) and shows it. A
    // centred tip hangs centred below the anchor; otherwise it keeps clear of the mouse
    // pointer that sits there, below the pointer's picture. Near the screen's edges the tip
    // moves inwards, and above the anchor when there is no room below.
    void showAt(const QPoint &anchor, bool centred);

    QString text() const { return m_text; }
    // The lines as they show after the line breaks and the wrapping.
    QStringList lines() const { return m_lines; }
    // Width of the widest line, in pixels; never more than the maximum width.
    int textWidth() const { return m_textWidth; }
    int maxTextWidth() const { return m_maxTextWidth; }
    QColor backgroundColour() const { return m_background; }
    QColor textColour() const { return m_textColour; }
    bool isBalloon() const { return m_balloon; }
    // Where the text is drawn and the outline of the tip, in the window's coordinates.
    QRect textRect() const;
    QPainterPath outline() const;
    // The point the tip points at, in global coordinates.
    QPoint anchor() const { return m_anchor; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void layOutText();
    void place();
    void passPointerThrough();
    QRect bodyRect() const;

    QString m_text;
    QStringList m_lines;
    QColor m_background;
    QColor m_textColour;
    int m_maxTextWidth = 0;
    int m_textWidth = 0;
    int m_lineSpacing = 0;
    int m_ascent = 0;
    bool m_balloon = false;

    QPoint m_anchor;
    bool m_centred = false;
    bool m_pointsUp = true; // the balloon's triangle on top, the body below the anchor
    int m_pointerX = 0; // x of the triangle's point in the window
};

} // namespace swatchly
