#include "platform/controls/ColourBox.h"

#include "platform/controls/Accessible.h"
#include "platform/controls/ColourConversion.h"
#include "platform/controls/FocusRing.h"

#include <QAccessibleWidget>
#include <QMetaMethod>
#include <QMouseEvent>

namespace swatchly::platform {

namespace {

// Screen readers see a colour box that can be chosen as a button whose press chooses it, as
// Space does; the current-colour box and other display-only boxes as a picture.
class ColourBoxAccessible final : public QAccessibleWidget
{
public:
    explicit ColourBoxAccessible(ColourBox *box)
        : QAccessibleWidget(box, QAccessible::Button)
    { }

    QAccessible::Role role() const override
    {
        return box()->isChoosable() ? QAccessible::Button : QAccessible::Graphic;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (box()->isChoosable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && box()->isChoosable()) {
            emit box()->keyChoose(Qt::LeftButton, Qt::NoModifier);
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    ColourBox *box() const { return static_cast<ColourBox *>(widget()); }
};

} // namespace

ColourBox::ColourBox(QWidget *parent, const QString &name)
    : QFrame(parent)
{
    installAccessible<ColourBox, ColourBoxAccessible>();

    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    // A click takes the focus, as a picture box's did: the name box then sees the user come
    // back into it after picking a colour here. Tab reaches it too.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleDescription(colourDescription(m_backColor));
}

void ColourBox::setBackColor(ColourValue value)
{
    if (value == m_backColor)
        return;
    m_backColor = value;
    setAccessibleDescription(colourDescription(value));
    update();
}

bool ColourBox::isChoosable() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&ColourBox::keyChoose));
}

QString ColourBox::colourDescription(ColourValue value)
{
    if (value == ButtonFace)
        //: Screen readers: a colour box that holds no colour.
        return tr("Empty");
    return QStringLiteral("#") +
        QString::fromStdString(channelPair(redOf(value)) + channelPair(greenOf(value)) +
                               channelPair(blueOf(value)));
}

void ColourBox::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.fillRect(rect(), toQColor(m_backColor));
    }
    QFrame::paintEvent(event);
    if (!hasFocus())
        return;
    // A dark ring with a light one inside it: one of the two stands out on any colour.
    QPainter painter(this);
    const QRect outer = rect().adjusted(2, 2, -2, -2);
    fillRing(painter, outer, 2, Qt::black);
    fillRing(painter, outer.adjusted(2, 2, -2, -2), 1, Qt::white);
}

void ColourBox::mousePressEvent(QMouseEvent *event)
{
    emit mouseDown(event->button(), event->modifiers(), event->position());
}

void ColourBox::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    const bool choosing = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (isChoosable() && choosing && modifiers == Qt::NoModifier) {
        emit keyChoose(Qt::LeftButton, Qt::NoModifier);
        return;
    }
    if (isChoosable() && key == Qt::Key_Space && modifiers == Qt::ShiftModifier) {
        emit keyChoose(Qt::RightButton, Qt::ShiftModifier);
        return;
    }
    const int columns = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
    const int rows = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
    if ((columns != 0 || rows != 0) && modifiers == Qt::NoModifier &&
        isSignalConnected(QMetaMethod::fromSignal(&ColourBox::keyMove))) {
        emit keyMove(columns, rows);
        return;
    }
    QFrame::keyPressEvent(event);
}

void ColourBox::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    emit gotFocus();
}

} // namespace swatchly::platform
