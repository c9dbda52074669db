// What screen readers are told about the controls: the interface of each control class is
// installed once, when the first control of it is made, and containers show screen readers
// their working children only, not the pieces that decorate them (Qt's own interfaces list
// every child widget: a frame's lines, a tool bar's separators and its hidden overflow button).
#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QList>

namespace swatchly::platform {

// Has screen readers meet every Control through an Interface made for it.
template<typename Control, typename Interface> void installAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString &className, QObject *object) -> QAccessibleInterface * {
                if (!object || !object->isWidgetType() ||
                    className != QLatin1String(Control::staticMetaObject.className()))
                    return nullptr;
                return new Interface(static_cast<Control *>(object));
            });
        return true;
    }();
    Q_UNUSED(installed);
}

// A container whose children are those of its child widgets that it exposes.
class FilteredChildrenAccessible : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

protected:
    // Whether screen readers are shown a child widget (windows never are).
    virtual bool exposes(const QWidget *child) const = 0;

private:
    QList<QWidget *> exposedChildren() const;
};

// Has screen readers meet a QToolBar's buttons only: its separators are decoration, and the
// overflow button is never shown in a strip that holds all its buttons.
void exposeToolBarButtonsOnly();

} // namespace swatchly::platform
