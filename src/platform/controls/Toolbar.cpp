#include "platform/controls/Toolbar.h"

#include "platform/controls/Accessible.h"

#include <QActionEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QStyleOptionToolBar>
#include <QToolButton>

namespace swatchly::platform {

namespace {

// The etched bar between groups of buttons, drawn by the style as in its own tool bars.
class SeparatorBar final : public QWidget
{
public:
    explicit SeparatorBar(QWidget *parent)
        : QWidget(parent)
    {
        const int extent = style()->pixelMetric(QStyle::PM_ToolBarSeparatorExtent, nullptr, this);
        setFixedWidth(extent);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Minimum);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QStyleOption option;
        option.initFrom(this);
        option.state |= QStyle::State_Horizontal;
        style()->drawPrimitive(QStyle::PE_IndicatorToolBarSeparator, &option, &painter, this);
    }
};

// Screen readers meet the tool bar's buttons; the bars between them are decoration.
class ToolbarAccessible final : public FilteredChildrenAccessible
{
public:
    explicit ToolbarAccessible(Toolbar *toolbar)
        : FilteredChildrenAccessible(toolbar, QAccessible::ToolBar)
    { }

protected:
    bool exposes(const QWidget *child) const override
    {
        return !dynamic_cast<const SeparatorBar *>(child);
    }
};

} // namespace

Toolbar::Toolbar(QWidget *parent)
    : QWidget(parent)
    , m_layout(new QHBoxLayout(this))
{
    installAccessible<Toolbar, ToolbarAccessible>();

    const int frame = style()->pixelMetric(QStyle::PM_ToolBarFrameWidth, nullptr, this) +
        style()->pixelMetric(QStyle::PM_ToolBarItemMargin, nullptr, this);
    m_layout->setContentsMargins(frame, frame, frame, frame);
    m_layout->setSpacing(style()->pixelMetric(QStyle::PM_ToolBarItemSpacing, nullptr, this));
    m_layout->addStretch();
}

void Toolbar::setIconSize(const QSize &size)
{
    m_iconSize = size;
    for (QWidget *item : std::as_const(m_items))
        if (auto *button = qobject_cast<QToolButton *>(item))
            button->setIconSize(size);
}

QAction *Toolbar::addSeparator()
{
    auto *action = new QAction(this);
    action->setSeparator(true);
    addAction(action);
    return action;
}

QWidget *Toolbar::widgetForAction(QAction *action) const
{
    return m_items.value(action, nullptr);
}

QWidget *Toolbar::makeItem(QAction *action)
{
    if (action->isSeparator())
        return new SeparatorBar(this);
    auto *button = new QToolButton(this);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setIconSize(m_iconSize);
    button->setDefaultAction(action);
    return button;
}

void Toolbar::actionEvent(QActionEvent *event)
{
    QAction *action = event->action();
    switch (event->type()) {
    case QEvent::ActionAdded: {
        QWidget *item = makeItem(action);
        // Before the action it was inserted before, or last (before the closing stretch).
        const int index = event->before() && m_items.contains(event->before())
            ? m_layout->indexOf(m_items.value(event->before()))
            : m_layout->count() - 1;
        m_layout->insertWidget(index, item);
        item->setVisible(action->isVisible());
        m_items.insert(action, item);
        break;
    }
    case QEvent::ActionChanged:
        if (QWidget *item = m_items.value(action, nullptr))
            item->setVisible(action->isVisible());
        break;
    case QEvent::ActionRemoved:
        delete m_items.take(action);
        break;
    default:
        break;
    }
    QWidget::actionEvent(event);
}

void Toolbar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionToolBar option;
    option.initFrom(this);
    option.state |= QStyle::State_Horizontal;
    option.lineWidth = style()->pixelMetric(QStyle::PM_ToolBarFrameWidth, nullptr, this);
    option.toolBarArea = Qt::NoToolBarArea;
    option.positionOfLine = QStyleOptionToolBar::OnlyOne;
    option.positionWithinLine = QStyleOptionToolBar::OnlyOne;
    style()->drawControl(QStyle::CE_ToolBar, &option, &painter, this);
}

} // namespace swatchly::platform
