// Pictures read when first needed: the style hands out the desktop style's own icons (the
// overflow arrows read when first drawn), and a lazy icon is made once, when first drawn.
#include "platform/controls/Pictures.h"
#include "platform/controls/Style.h"
#include "support/TestRegistry.h"

#include <QApplication>
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

class PicturesTest : public QObject
{
    Q_OBJECT

private slots:
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

SWATCHLY_TEST(PicturesTest)
#include "PicturesTest.moc"
