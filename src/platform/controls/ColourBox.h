#pragma once

#include "core/Colour.h"

#include <QFrame>

namespace swatchly::platform {

// A picture box used as a colour box: shows its BackColor and reports mouse-down.
//
// It can be used from the keyboard as well: it takes the focus by Tab and by click and then
// shows a frame that stands out on any colour. Space or Enter stands for a left click and
// Shift+Space for Shift + right click (keyChoose), arrow keys ask to move to a neighbouring
// box (keyMove). Its accessible description is the colour it shows, kept up to date; a box
// whose keyChoose is connected presents itself to screen readers as a button that can be
// pressed, any other box as a picture.
class ColourBox : public QFrame
{
    Q_OBJECT
public:
    explicit ColourBox(QWidget *parent, const QString &name);

    ColourValue backColor() const { return m_backColor; }
    void setBackColor(ColourValue value);

    // True when something listens to keyChoose, so that the box can be chosen from the
    // keyboard.
    bool isChoosable() const;

    // "#RRGGBB" for a plain colour, "Empty" for the button-face value of an empty box.
    static QString colourDescription(ColourValue value);

signals:
    // at is in the box's logical pixels.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at);
    // The mouse-down a key stands for: Space or Enter a left click, Shift+Space a right click
    // with Shift held.
    void keyChoose(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // An arrow key: -1 or +1 column, or -1 or +1 row.
    void keyMove(int columns, int rows);
    void gotFocus();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    ColourValue m_backColor = ButtonFace;
};

} // namespace swatchly::platform
