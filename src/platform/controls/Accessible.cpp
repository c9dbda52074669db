#include "platform/controls/Accessible.h"

#include <QToolBar>
#include <QToolButton>
#include <QWidget>

namespace swatchly::platform {

int FilteredChildrenAccessible::childCount() const
{
    return static_cast<int>(exposedChildren().size());
}

QAccessibleInterface *FilteredChildrenAccessible::child(int index) const
{
    const QList<QWidget *> children = exposedChildren();
    return index >= 0 && index < children.size()
        ? QAccessible::queryAccessibleInterface(children.at(index))
        : nullptr;
}

int FilteredChildrenAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    return static_cast<int>(exposedChildren().indexOf(qobject_cast<QWidget *>(child->object())));
}

QList<QWidget *> FilteredChildrenAccessible::exposedChildren() const
{
    QList<QWidget *> children;
    for (QObject *object : widget()->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (child && !child->isWindow() && exposes(child))
            children.append(child);
    }
    return children;
}

namespace {

class ToolBarAccessible final : public FilteredChildrenAccessible
{
public:
    explicit ToolBarAccessible(QToolBar *toolBar)
        : FilteredChildrenAccessible(toolBar, QAccessible::ToolBar)
    { }

protected:
    bool exposes(const QWidget *child) const override
    {
        return qobject_cast<const QToolButton *>(child) &&
            child->objectName() != QLatin1String("qt_toolbar_ext_button");
    }
};

} // namespace

void exposeToolBarButtonsOnly()
{
    installAccessible<QToolBar, ToolBarAccessible>();
}

} // namespace swatchly::platform
