#include "platform/controls/Slider.h"

#include "platform/controls/FocusRing.h"

#include <QKeyEvent>

namespace swatchly::platform {

Slider::Slider(QWidget *parent, const QString &name, int min, int max, int smallChange,
               int largeChange)
    : QScrollBar(Qt::Horizontal, parent)
{
    setObjectName(name);
    setRange(min, max);
    setSingleStep(smallChange);
    setPageStep(largeChange);
    // A thumb drag changes the value once, when the thumb is let go; arrows, trough clicks
    // and keys change it at once. Each change reaches the clipboard, so a drag must not
    // write it at every step.
    setTracking(false);
    connect(this, &QScrollBar::valueChanged, this, [this] { emit changed(); });
    // Keyboard only: a click on a scroll bar leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
}

void Slider::keyPressEvent(QKeyEvent *event)
{
    // A scroll bar's own keys run against the arrows it shows (Right lowers the value), and
    // turning that round with invertedControls would turn the mouse wheel round as well.
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const SliderAction action = !plain               ? SliderNoAction
        : key == Qt::Key_Right || key == Qt::Key_Up  ? SliderSingleStepAdd
        : key == Qt::Key_Left || key == Qt::Key_Down ? SliderSingleStepSub
        : key == Qt::Key_PageUp                      ? SliderPageStepAdd
        : key == Qt::Key_PageDown                    ? SliderPageStepSub
                                                     : SliderNoAction;
    if (action == SliderNoAction) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(action);
}

void Slider::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    // The style's own focus tint is too faint to find on a grey bar; the chart's dark frame is
    // not.
    QPainter painter(this);
    fillRing(painter, rect(), 2, Qt::black);
}

} // namespace swatchly::platform
