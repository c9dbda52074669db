// What screen readers get from the windows: a name for every control, colour boxes that
// describe the colour they show, names that follow changing captions, and colour boxes that
// can be pressed through the accessibility interface.
#include "chart/frmTintora.h"
#include "commands/frmSendEmail.h"
#include "help/HelpViewer.h"
#include "platform/controls/ColourBox.h"
#include "platform/services/Clipboard.h"
#include "platform/services/Help.h"
#include "schemes/frmSavetxt.h"
#include "support/FakePlatform.h"
#include "support/TestRegistry.h"
#include "widgets/TipWindow.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaEnum>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

using namespace swatchly;
using swatchly::test::FakePlatform;

namespace {

const QString ShippedHelp = QStringLiteral(SWATCHLY_SOURCE_DIR "/data/swatchly.chm");

bool isNamedByTheProgram(const QWidget *widget)
{
    return !widget->objectName().isEmpty() &&
        !widget->objectName().startsWith(QLatin1String("qt_"));
}

bool isControlKind(const QWidget *widget)
{
    return qobject_cast<const QAbstractButton *>(widget) ||
        qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget) ||
        qobject_cast<const QAbstractSlider *>(widget) ||
        qobject_cast<const QAbstractScrollArea *>(widget) ||
        qobject_cast<const QMenuBar *>(widget) || qobject_cast<const QMenu *>(widget);
}

// Qt builds parts of its own widgets out of widgets: a combo box's edit field and list, a
// scroll area's scroll bars and headers, and the pieces it names "qt_..." (viewports, tab bars,
// extension buttons and their menus). Those are the widget's business.
bool isInsideAQtWidget(const QWidget *widget, const QWidget *window)
{
    if (widget->objectName().startsWith(QLatin1String("qt_")))
        return true;
    for (const QWidget *above = widget->parentWidget(); above && above != window;
         above = above->parentWidget()) {
        if (qobject_cast<const QComboBox *>(above) ||
            qobject_cast<const QAbstractScrollArea *>(above) ||
            above->objectName().startsWith(QLatin1String("qt_")))
            return true;
    }
    return false;
}

// A control: every widget the program named, and every widget of a kind a user works with
// that is not part of a Qt widget.
bool isControl(const QWidget *widget, const QWidget *window)
{
    return isNamedByTheProgram(widget) ||
        (isControlKind(widget) && !isInsideAQtWidget(widget, window));
}

QString accessibleText(QWidget *widget, QAccessible::Text text)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(text) : QString();
}

QString nameOf(QWidget *widget)
{
    if (!widget->accessibleName().trimmed().isEmpty())
        return widget->accessibleName();
    return accessibleText(widget, QAccessible::Name);
}

QString describe(const QWidget *widget)
{
    return QStringLiteral("%1 \"%2\"")
        .arg(QLatin1String(widget->metaObject()->className()), widget->objectName());
}

// The window as a screen reader walks it: one line per element, indented by its depth, with
// its role and name, and "(invisible)" for an element it is told is not shown.
void describeTree(QAccessibleInterface *face, int depth, QStringList &lines)
{
    const QString role =
        QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(face->role()));
    lines.append(QStringLiteral("%1%2 \"%3\"%4")
                     .arg(QString(depth * 2, QLatin1Char(' ')), role, face->text(QAccessible::Name),
                          face->state().invisible ? QStringLiteral(" (invisible)") : QString()));
    for (int i = 0; i < face->childCount(); ++i) {
        if (QAccessibleInterface *child = face->child(i))
            describeTree(child, depth + 1, lines);
    }
}

QStringList accessibleTree(QWidget *window)
{
    QStringList lines;
    describeTree(QAccessible::queryAccessibleInterface(window), 0, lines);
    return lines;
}

QList<help::HelpViewer *> openHelpViewers()
{
    QList<help::HelpViewer *> viewers;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *viewer = qobject_cast<help::HelpViewer *>(widget))
            viewers.append(viewer);
    }
    return viewers;
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(openHelpViewers()); }

    void everyControlHasAName_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("colour chart window") << QStringLiteral("frmTintora");
        QTest::newRow("scheme window") << QStringLiteral("frmSavetxt");
        QTest::newRow("feedback window") << QStringLiteral("frmSendEmail");
        QTest::newRow("help viewer") << QStringLiteral("HelpViewer");
    }

    void everyControlHasAName()
    {
        QFETCH(QString, which);
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora main(fake);
        QWidget *window = &main;
        std::unique_ptr<frmSendEmail> email;
        QPointer<frmSavetxt> schemes;
        if (which == QLatin1String("frmSavetxt")) {
            schemes = frmSavetxt::open(main, 0);
            window = schemes;
        } else if (which == QLatin1String("frmSendEmail")) {
            email = std::make_unique<frmSendEmail>(fake, &main);
            email->show();
            window = email.get();
        } else if (which == QLatin1String("HelpViewer")) {
            window = help::HelpViewer::display(fake, { ShippedHelp, QStringLiteral("swatchwin") },
                                               platform::HH_DISPLAY_TOPIC, 0);
            QVERIFY(window);
        } else {
            main.show();
        }
        QVERIFY(QTest::qWaitForWindowExposed(window));

        QVERIFY(!nameOf(window).isEmpty());
        QStringList unnamed;
        int controls = 0;
        const auto widgets = window->findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            if (!isControl(widget, window))
                continue;
            ++controls;
            if (nameOf(widget).trimmed().isEmpty())
                unnamed.append(describe(widget));
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
        QVERIFY(controls >= 8);

        // A name is read out as words: blanks that lay a caption out are not in it.
        const QStringList badlySpaced = accessibleTree(window).filter(
            QRegularExpression(QStringLiteral("\"(\\s.*|.*\\s{2,}.*|.*\\s)\"")));
        QVERIFY2(badlySpaced.isEmpty(), qPrintable(badlySpaced.join(QLatin1Char('\n'))));

        if (schemes)
            schemes->close();
    }

    // The whole tree, so that a change to what a screen reader meets is a change to this file.
    // Decorations (the chart's border lines) and the hidden menu picture holders are not in it.
    void mainWindowTreeIsPinned()
    {
        FakePlatform fake;
        fake.copyShippedData();
        // A short names list keeps the tree to the window's own parts.
        fake.writeFile(QStringLiteral("ListBoxColorNames.txt"),
                       "\"black\",\"&H000000\"\r\n\"orange\",\"&HFFA500\"\r\n");
        frmTintora window(fake);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QString pinnedPath =
            QStringLiteral(SWATCHLY_SOURCE_DIR "/tests/platform/frmTintora.accessible.txt");
        QFile pinned(pinnedPath);
        QVERIFY2(pinned.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(pinnedPath));
        const QStringList expected =
            QString::fromUtf8(pinned.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QStringList actual = accessibleTree(&window);
        if (actual != expected) {
            QFile seen(QDir::temp().filePath(QStringLiteral("frmTintora.accessible.txt")));
            if (seen.open(QIODevice::WriteOnly | QIODevice::Text))
                seen.write(actual.join(QLatin1Char('\n')).toUtf8() + '\n');
            qWarning("the tree as seen now is in %s", qPrintable(seen.fileName()));
        }
        QCOMPARE(actual, expected);
        for (const QString &hidden : { QStringLiteral("Line"), QStringLiteral("picture") })
            QVERIFY(actual.filter(hidden).isEmpty());
    }

    void colourBoxesAreNamedAndDescribeTheirColour_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::newRow("first chart box") << 0 << QStringLiteral("Chart colour 1");
        QTest::newRow("last chart box") << 20 << QStringLiteral("Chart colour 21");
        QTest::newRow("first user box") << 21 << QStringLiteral("Users Special Color 1");
        QTest::newRow("last user box") << 34 << QStringLiteral("Users Special Color 14");
    }

    void colourBoxesAreNamedAndDescribeTheirColour()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        FakePlatform fake;
        QByteArray chart;
        for (int i = 0; i < 21; ++i)
            chart += i == 20 ? QByteArray("\"\"\r\n") : QByteArray("\"FF8000\"\r\n");
        fake.writeFile(QStringLiteral("StartUpColors"), chart);
        QByteArray user = "\"0A0B0C\"\r\n";
        for (int i = 1; i < 14; ++i)
            user += "\"FFFFFF\"\r\n";
        fake.writeFile(QStringLiteral("UserDefColors.col"), user);
        frmTintora window(fake);

        platform::ColourBox *box = window.Picture1[static_cast<std::size_t>(index)];
        QCOMPARE(nameOf(box), name);
        const QString expected = index == 20 ? QStringLiteral("Empty")
            : index == 21                    ? QStringLiteral("#0A0B0C")
            : index > 21                     ? QStringLiteral("#FFFFFF")
                                             : QStringLiteral("#FF8000");
        QCOMPARE(accessibleText(box, QAccessible::Description), expected);

        // Whatever changes a box's colour changes its description with it.
        QTest::mouseClick(window.Picture1[21], Qt::LeftButton);
        QCOMPARE(accessibleText(window.picColorSel, QAccessible::Description),
                 QStringLiteral("#0A0B0C"));
        QTest::mouseClick(box, Qt::RightButton, Qt::ShiftModifier);
        QCOMPARE(accessibleText(box, QAccessible::Description),
                 index > 20 ? QStringLiteral("#0A0B0C") : expected);
        box->setBackColor(RGB(1, 2, 3));
        QCOMPARE(accessibleText(box, QAccessible::Description), QStringLiteral("#010203"));
        box->setBackColor(ButtonFace);
        QCOMPARE(accessibleText(box, QAccessible::Description), QStringLiteral("Empty"));
    }

    void currentColourBoxFollowsEveryWayOfChoosing()
    {
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        QCOMPARE(nameOf(window.picColorSel), QStringLiteral("Color you Selected"));
        QCOMPARE(accessibleText(window.picColorSel, QAccessible::Description),
                 QStringLiteral("#") + window.txtHexValue->text().left(6));

        window.Slide[1]->setValue(0x7F);
        QCOMPARE(accessibleText(window.picColorSel, QAccessible::Description),
                 QStringLiteral("#") + window.txtHexValue->text().left(6));
        QVERIFY(accessibleText(window.picColorSel, QAccessible::Description)
                    .contains(QStringLiteral("7F")));

        QTest::mouseClick(window.Picture1[30], Qt::LeftButton);
        QCOMPARE(accessibleText(window.picColorSel, QAccessible::Description),
                 platform::ColourBox::colourDescription(window.Picture1[30]->backColor()));
    }

    void namesFollowChangingCaptions()
    {
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(nameOf(window.Check1), QStringLiteral("Tool Tips - (ON)"));
        QTest::mouseClick(window.Check1, Qt::LeftButton);
        QCOMPARE(nameOf(window.Check1), QStringLiteral("Tool Tips - (OFF)"));

        window.Slide[2]->setValue(200);
        QCOMPARE(nameOf(window.lblRGB[2]), QStringLiteral("200"));
        QCOMPARE(accessibleText(window.lblRGB[2], QAccessible::Description),
                 QStringLiteral("Blue slider value"));
        QCOMPARE(nameOf(window.lblSlide), window.lblSlide->text());
        QCOMPARE(nameOf(window.Slide[2]), QStringLiteral("Blue"));
        QCOMPARE(nameOf(window.txtColValue[4]), QStringLiteral("Green (hex)"));
        QCOMPARE(nameOf(window.Combo1), QStringLiteral("Select Color Name"));
    }

    void tipWindowsReadTheirText()
    {
        TipWindow tip;
        tip.setText(QStringLiteral("Use Either the Middle Bar \r\n\r\nor the End Arrows < >"));
        QCOMPARE(nameOf(&tip), QStringLiteral("Use Either the Middle Bar or the End Arrows < >"));
        tip.setText(QString());
        QCOMPARE(tip.accessibleName(), QString());
    }

    void chartBoxesArePressedLikeAClick_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("chart box") << 9;
        QTest::newRow("user box") << 26;
    }

    void chartBoxesArePressedLikeAClick()
    {
        QFETCH(int, index);
        FakePlatform fake;
        fake.copyShippedData();
        frmTintora window(fake);
        platform::ColourBox *box = window.Picture1[static_cast<std::size_t>(index)];

        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(box);
        QVERIFY(face);
        QCOMPARE(face->role(), QAccessible::Button);
        QAccessibleActionInterface *actions = face->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        platform::clipboardSetText(QStringLiteral("held before"));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(window.currentColour(), box->backColor());
        QCOMPARE(platform::clipboardText(),
                 QStringLiteral("\"#%1\"").arg(
                     QString::fromStdString(modChromel::ColorToHex(box->backColor()))));
        QVERIFY(!window.UserColorsChanged);

        // The current-colour box only shows.
        QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(window.picColorSel);
        QCOMPARE(shown->role(), QAccessible::Graphic);
        QVERIFY(!shown->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }
};

SWATCHLY_TEST(AccessibilityTest)
#include "AccessibilityTest.moc"
