#pragma once

#include "core/Colour.h"

#include <QLabel>

namespace swatchly::platform {

// A label with BackColor/ForeColor as colour values and a click event.
class Label : public QLabel
{
    Q_OBJECT
public:
    Label(QWidget *parent, const QString &name, const QString &caption = {});

    QString caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }
    ColourValue backColor() const { return m_backColor; }
    void setBackColor(ColourValue value);
    ColourValue foreColor() const { return m_foreColor; }
    void setForeColor(ColourValue value);

signals:
    void click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void applyColours();

    ColourValue m_backColor = ButtonFace;
    ColourValue m_foreColor = 0;
    bool m_backColorSet = false;
    bool m_foreColorSet = false;
    bool m_pressed = false;
};

} // namespace swatchly::platform
