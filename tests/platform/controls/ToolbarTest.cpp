// The picture-button row and the program's style: buttons follow their actions, separators are
// bars that run nothing, screen readers see a tool bar, and the style hands out the desktop
// style's own icons (the overflow arrows read when first drawn), and a lazy icon is made once,
// when first drawn.
#include "platform/controls/Toolbar.h"
#include "platform/controls/Pictures.h"
#include "platform/controls/Style.h"
#include "support/TestRegistry.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace swatchly;

namespace {

QImage pictureOf(const QIcon &icon)
{
    return icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class ToolbarTest : public QObject
{
    Q_OBJECT

private slots:
    void buttonsFollowTheirActionsInOrder()
    {
        QWidget window;
        auto *toolbar = new platform::Toolbar(&window);
        toolbar->setIconSize(QSize(16, 16));
        QPixmap picture(16, 16);
        picture.fill(Qt::red);
        QAction *first = toolbar->addAction(QIcon(picture), QStringLiteral("First"));
        QAction *separator = toolbar->addSeparator();
        QAction *last = toolbar->addAction(QIcon(picture), QStringLiteral("Last"));
        first->setToolTip(QStringLiteral("The first button."));
        // Inserted before an action: its button comes before that action's.
        auto *middle = new QAction(QIcon(picture), QStringLiteral("Middle"), toolbar);
        toolbar->insertAction(last, middle);
        window.resize(300, 40);
        toolbar->setGeometry(0, 0, 300, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(toolbar->actions(), QList<QAction *>({ first, separator, middle, last }));
        int previousRight = -1;
        for (QAction *action : toolbar->actions()) {
            QWidget *item = toolbar->widgetForAction(action);
            QVERIFY(item);
            QVERIFY(item->isVisible());
            QVERIFY(item->x() > previousRight);
            previousRight = item->geometry().right();
            auto *button = qobject_cast<QToolButton *>(item);
            QCOMPARE(button != nullptr, !action->isSeparator());
            if (button) {
                QCOMPARE(button->focusPolicy(), Qt::NoFocus);
                QCOMPARE(button->iconSize(), QSize(16, 16));
            }
        }
        QCOMPARE(toolbar->widgetForAction(first)->toolTip(), QStringLiteral("The first button."));

        QSignalSpy firstRuns(first, &QAction::triggered);
        QTest::mouseClick(toolbar->widgetForAction(first), Qt::LeftButton);
        QCOMPARE(firstRuns.size(), 1);
        QTest::mouseClick(toolbar->widgetForAction(separator), Qt::LeftButton);
        QCOMPARE(firstRuns.size(), 1);

        // A hidden action hides its button; a removed one takes its button away.
        middle->setVisible(false);
        QVERIFY(!toolbar->widgetForAction(middle)->isVisible());
        toolbar->removeAction(middle);
        QCOMPARE(toolbar->widgetForAction(middle), nullptr);
        QCOMPARE(toolbar->findChildren<QToolButton *>().size(), 2);

        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(toolbar);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::ToolBar);
    }

    void lazyIconIsMadeOnceWhenFirstNeeded()
    {
        int made = 0;
        QPixmap picture(16, 16);
        picture.fill(Qt::blue);
        const QIcon icon = platform::lazyIcon([&made, picture] {
            ++made;
            return QIcon(picture);
        });
        // Building a button around it neither makes it nor finds it missing.
        QToolButton button;
        button.setIcon(icon);
        QVERIFY(!icon.isNull());
        (void)button.sizeHint();
        QCOMPARE(made, 0);

        const QIcon copy = icon;
        QCOMPARE(copy.pixmap(QSize(16, 16), 1.0).toImage(), picture.toImage());
        QCOMPARE(icon.pixmap(QSize(16, 16), 1.0).toImage(), picture.toImage());
        QCOMPARE(icon.availableSizes(), QList<QSize>({ QSize(16, 16) }));
        QCOMPARE(made, 1);
    }

    void styleGivesTheDesktopStylesIcons()
    {
        const auto style = std::make_unique<platform::DeferredIconStyle>();
        QStyle *desktop = QApplication::style();
        QCOMPARE(style->baseStyle()->name(), desktop->name());
        for (QStyle::StandardPixmap which :
             { QStyle::SP_ToolBarHorizontalExtensionButton,
               QStyle::SP_ToolBarVerticalExtensionButton, QStyle::SP_MessageBoxWarning }) {
            const QIcon icon = style->standardIcon(which);
            QVERIFY(!icon.isNull());
            QCOMPARE(pictureOf(icon), pictureOf(desktop->standardIcon(which)));
        }
    }
};

SWATCHLY_TEST(ToolbarTest)
#include "ToolbarTest.moc"
