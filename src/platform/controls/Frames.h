// The controls that hold or decorate others: frames, picture boxes and lines.
#pragma once

#include "core/Colour.h"

#include <QFrame>
#include <QGroupBox>

namespace swatchly::platform {

// A frame with a caption; its children are placed relative to its top-left corner.
class Frame : public QGroupBox
{
    Q_OBJECT
public:
    Frame(QWidget *parent, const QString &name, const QString &caption = {});

protected:
    // An etched border with the caption above it, in the palette's colours. (The styles' own
    // group boxes draw theirs from pictures, which loads every image format plugin and starts
    // drawing threads while the window first shows. bench/startup.sh, both builds in the same
    // run of 10 rounds, load 2 on 2 cores: 28.8 ms CPU to mapped and 33,346 kB resident with
    // this painting, 29.6 ms and 33,772 kB with QGroupBox's own.)
    void paintEvent(QPaintEvent *event) override;
};

// A picture box used only as a container of other controls.
class PictureBox : public QFrame
{
    Q_OBJECT
public:
    PictureBox(QWidget *parent, const QString &name);
};

// A decoration line from (x1, y1) to (x2, y2), in twips of its container.
class Line : public QWidget
{
    Q_OBJECT
public:
    Line(QWidget *parent, const QString &name, int x1, int y1, int x2, int y2,
         ColourValue colour = 0, int width = 1);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLine m_line;
    ColourValue m_colour;
    int m_width;
};

} // namespace swatchly::platform
