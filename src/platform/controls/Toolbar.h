// A row of picture buttons along the top of a window, one for each action added to it, with
// an etched bar for each separator. Buttons take no focus, show their action's tip and run
// their action when clicked; a separator is no button and runs nothing.
//
// Unlike QToolBar it cannot be dragged, floated or folded into an extension menu, which the
// window does not need; building one costs no more than the buttons themselves.
#pragma once

#include <QHash>
#include <QSize>
#include <QWidget>

class QAction;
class QHBoxLayout;

namespace swatchly::platform {

class Toolbar : public QWidget
{
    Q_OBJECT
public:
    explicit Toolbar(QWidget *parent);

    void setIconSize(const QSize &size);
    QSize iconSize() const { return m_iconSize; }

    using QWidget::addAction;
    QAction *addSeparator();

    // The button (or separator bar) that shows action, or nullptr.
    QWidget *widgetForAction(QAction *action) const;

protected:
    void actionEvent(QActionEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *makeItem(QAction *action);

    QHBoxLayout *m_layout;
    QHash<QAction *, QWidget *> m_items;
    QSize m_iconSize { 16, 16 };
};

} // namespace swatchly::platform
