#pragma once

#include <QScrollBar>

namespace swatchly::platform {

// Horizontal scroll bar used as a slider; changed() on every change of its value (Qt's own
// valueChanged, so setValue through any pointer raises it once, nested inside the call, and
// the value it already holds raises nothing), which a thumb drag makes once, on release (the thumb
// moves alone while it is dragged). Tab gives it the focus (a click does not, as with any scroll
// bar); then a focus frame shows around it, Right and Up raise the value by the small change, Left
// and Down lower it, Page Up and Page Down move by the large change, Home and End go to the ends.
class Slider : public QScrollBar
{
    Q_OBJECT
public:
    Slider(QWidget *parent, const QString &name, int min, int max, int smallChange,
           int largeChange);

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace swatchly::platform
