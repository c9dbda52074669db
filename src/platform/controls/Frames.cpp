#include "platform/controls/Frames.h"

#include "platform/controls/Accessible.h"
#include "platform/controls/ColourConversion.h"
#include "platform/controls/Geometry.h"

#include <QFocusFrame>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionGroupBox>
#include <qdrawutil.h>

namespace swatchly::platform {

namespace {

// A frame is a group named by its caption. The lines drawn inside it are decoration, which
// screen readers are not shown.
class FrameAccessible final : public FilteredChildrenAccessible
{
public:
    explicit FrameAccessible(Frame *frame)
        : FilteredChildrenAccessible(frame, QAccessible::Grouping)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            QString title = static_cast<const Frame *>(widget())->title();
            return title.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        }
        return QAccessibleWidget::text(t);
    }

protected:
    bool exposes(const QWidget *child) const override
    {
        return !qobject_cast<const Line *>(child) && !qobject_cast<const QMenu *>(child) &&
            !qobject_cast<const QFocusFrame *>(child);
    }
};

} // namespace

Frame::Frame(QWidget *parent, const QString &name, const QString &caption)
    : QGroupBox(caption, parent)
{
    installAccessible<Frame, FrameAccessible>();
    setObjectName(name);
    setFlat(false);
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    QRect frame =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this);
    const QRect caption =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    // The caption stands above the border, where the style lays out the box's contents for it.
    if (!title().isEmpty())
        frame.setTop(std::max(frame.top(), caption.bottom() + 1));
    qDrawShadeRect(&painter, frame, palette(), true, 1, 0);
    if (!title().isEmpty())
        style()->drawItemText(&painter, caption,
                              Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(),
                              isEnabled(), title(), QPalette::WindowText);
}

PictureBox::PictureBox(QWidget *parent, const QString &name)
    : QFrame(parent)
{
    setObjectName(name);
    setFrameStyle(QFrame::NoFrame);
}

Line::Line(QWidget *parent, const QString &name, int x1, int y1, int x2, int y2, ColourValue colour,
           int width)
    : QWidget(parent)
    , m_colour(colour)
    , m_width(width)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int px1 = twips(x1), py1 = twips(y1), px2 = twips(x2), py2 = twips(y2);
    const int left = std::min(px1, px2), top = std::min(py1, py2);
    setGeometry(left, top, std::abs(px2 - px1) + width, std::abs(py2 - py1) + width);
    m_line = QLine(px1 - left, py1 - top, px2 - left, py2 - top);
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPen pen(toQColor(m_colour));
    pen.setWidth(m_width);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    painter.drawLine(m_line.translated(m_width / 2, m_width / 2));
}

} // namespace swatchly::platform
