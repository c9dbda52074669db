// Building the main window: its layout, the File menu, the toolbar, and the handlers'
// connections.
#include "chart/frmTintora.h"

#include "platform/controls/Buttons.h"
#include "platform/controls/ColourBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Fonts.h"
#include "platform/controls/Geometry.h"
#include "platform/controls/KeyCodes.h"
#include "platform/controls/Label.h"
#include "platform/controls/Pictures.h"
#include "platform/controls/Slider.h"
#include "platform/controls/TextBox.h"
#include "platform/services/CommonDialog.h"
#include "schemes/frmSavetxt.h"
#include "widgets/cToolTip.h"

#include <QAction>
#include <QCoreApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace swatchly {

using platform::placeTwips;
using platform::twips;

namespace {

// Title bars and task switchers draw window icons at 64 px at most; launchers and docks take
// the large pictures from the installed icon theme. Every size given here is rendered into
// the window's icon property when the window is shown, and 128 and 256 px made the start
// some 15 ms slower and the program 0.3 MB larger.
QIcon programIcon()
{
    QIcon icon;
    for (int size : { 16, 22, 24, 32, 48, 64 })
        icon.addPixmap(platform::loadPicture(QStringLiteral(":/icons/swatchly-%1.png").arg(size)));
    return icon;
}

} // namespace

frmTintora::frmTintora(platform::Services &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmTintora"));
    setWindowTitle(QStringLiteral("Swatchly"));
    m_icon = programIcon();
    setWindowIcon(m_icon);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    // The menu bar over the client area, as in a main window; a plain layout carries them
    // (the tool bar lives inside the client area, and nothing docks).
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    m_menuBar = new QMenuBar(this);
    outer->setMenuBar(m_menuBar);
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(twips(7080), twips(7170));
    platform::setClassicFont(client, 8);
    outer->addWidget(client);
    m_client = client;

    cdColor = new platform::CommonDialog(*m_services.dialogs, this, QStringLiteral("cdColor"));
    cdbFont = new platform::CommonDialog(*m_services.dialogs, this, QStringLiteral("cdbFont"));

    buildChart(client);
    buildValueFrames(client);
    buildSliders(client);
    buildTypedValues(client);
    buildNameAndButtons(client);
    buildToolbar(client);
    buildMenu();
    setUpAccessibility();
    connectHandlers();
    setUpCommandKeys();
    new TypeAheadCombo(*m_services.messageBoxes, Combo1,
                       TypeAheadRules {
                           false,
                           [this](int index) { foundColourName(index); },
                           [this](int index) { foundColourName(index); },
                           [this] { picColorSel_Change(); },
                       });

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    QCoreApplication::instance()->installEventFilter(this);

    Form_Load();
}

frmTintora::~frmTintora()
{
    // Deleted, not closed: closing it would show this window again while it is going.
    delete m_schemeWindow;
}

void frmTintora::buildMenu()
{
    //: Main window, the menu.
    mnuFile = menuBar()->addMenu(tr("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    auto item = [this](const char *name, const QString &caption, const QKeySequence &shortcut) {
        QAction *action = mnuFile->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        return action;
    };
    auto separator = [this](const char *name) {
        mnuFile->addSeparator()->setObjectName(QLatin1String(name));
    };
    mnuImport = item("mnuImport", tr("&Import"), QKeySequence(QStringLiteral("Ctrl+I")));
    mnuExport = item("mnuExport", tr("Ex&port"), QKeySequence(QStringLiteral("Ctrl+P")));
    separator("mnusep1");
    mnuAbout = item("mnuAbout", tr("&About..."), QKeySequence(QStringLiteral("Ctrl+A")));
    separator("mnusep2");
    mnuEmail = item("mnuEmail", tr("&Email the Author"), QKeySequence(QStringLiteral("Ctrl+E")));
    separator("mnusep3");
    mnuHelp = item("mnuHelp", tr("&Help"), QKeySequence(QStringLiteral("Ctrl+H")));
    // F1 is where desktop users look for help; the menu goes on showing the first key, Ctrl+H.
    mnuHelp->setShortcuts({ QKeySequence(QStringLiteral("Ctrl+H")), QKeySequence(Qt::Key_F1) });
    separator("mnusep9");
    //: Main window, the File menu's last item.
    mnuExit = item("mnuExit", tr("Exit"), QKeySequence());
}

void frmTintora::buildToolbar(QWidget *client)
{
    const std::array<QString, 5> pictures { QStringLiteral(":/toolbar/import.png"),
                                            QStringLiteral(":/toolbar/export.png"),
                                            QStringLiteral(":/toolbar/about.png"),
                                            QStringLiteral(":/toolbar/email.png"),
                                            QStringLiteral(":/toolbar/help.png") };
    for (std::size_t i = 0; i < pictures.size(); ++i)
        ImageList1[i] = platform::resourceIcon(pictures[i]);

    Toolbar1 = new QToolBar(client);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    // A strip of buttons fixed across the top of the window, not a tool bar of a main window:
    // nothing to drag it by or float it with.
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setIconSize(QSize(16, 16));
    placeTwips(Toolbar1, 0, 0, 7080, 630);

    struct ButtonDesign
    {
        const char *key; // also the button's text, shown to screen readers
        int image; // 1-based in ImageList1; 0 for a separator
        const char *tip;
    };
    const std::array<ButtonDesign, 8> buttons { {
        //: Main window, a tool bar button's name for screen readers, and its tip.
        { QT_TR_NOOP("Import"), 1, QT_TR_NOOP("Opens a file - Replace the U.S.Colors.") },
        { QT_TR_NOOP("Export"), 2, QT_TR_NOOP("Save a file as a color scheme.") },
        { "", 0, "" },
        { "", 0, "" },
        { QT_TR_NOOP("About"), 3, QT_TR_NOOP("Information") },
        { QT_TR_NOOP("Help"), 5, QT_TR_NOOP("Brings up the help file.") },
        { "", 0, "" },
        { QT_TR_NOOP("Email"), 4, QT_TR_NOOP("Send Author feedback.") },
    } };
    for (const auto &button : buttons) {
        if (button.image == 0) {
            Toolbar1->addSeparator();
            continue;
        }
        const QString key = QLatin1String(button.key);
        QAction *action = Toolbar1->addAction(
            ImageList1[static_cast<std::size_t>(button.image - 1)], tr(button.key));
        action->setObjectName(QStringLiteral("Toolbar1.") + key);
        action->setData(key);
        action->setToolTip(tr(button.tip));
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }
}

void frmTintora::connectHandlers()
{
    for (int i = 0; i < 35; ++i) {
        connect(Picture1[static_cast<std::size_t>(i)], &platform::ColourBox::mouseDown, this,
                [this, i](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at) {
                    Picture1_MouseDown(i, platform::mouseButtonCode(button),
                                       platform::shiftMask(modifiers), platform::twipsOf(at.x()),
                                       platform::twipsOf(at.y()));
                });
        // The keys stand for the clicks they name, at the box's corner.
        connect(Picture1[static_cast<std::size_t>(i)], &platform::ColourBox::keyChoose, this,
                [this, i](Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
                    Picture1_MouseDown(i, platform::mouseButtonCode(button),
                                       platform::shiftMask(modifiers), 0, 0);
                });
        connect(Picture1[static_cast<std::size_t>(i)], &platform::ColourBox::keyMove, this,
                [this, i](int columns, int rows) { moveChartFocus(i, columns, rows); });
        connect(Picture1[static_cast<std::size_t>(i)], &platform::ColourBox::gotFocus, this,
                [this, i] { makeChartTabStop(i); });
    }
    connect(txtHexValue, &platform::MultiLineTextBox::changed, this,
            &frmTintora::txtHexValue_Change);
    for (int i = 0; i < 3; ++i)
        connect(Slide[static_cast<std::size_t>(i)], &platform::Slider::changed, this,
                [this, i] { Slide_Change(i); });
    connect(cmdSlideSel, &QPushButton::clicked, this, &frmTintora::cmdSlideSel_Click);
    for (int i = 0; i < 6; ++i)
        connect(txtColValue[static_cast<std::size_t>(i)], &platform::TextBox::keyPress, this,
                [this, i](platform::KeyPress &key) {
                    platform::passCharacterCode(
                        key, [this, i](int &KeyAscii) { txtColValue_KeyPress(i, KeyAscii); });
                });
    connect(cmdDecColVal, &QPushButton::clicked, this, &frmTintora::cmdDecColVal_Click);
    connect(cmdHexColVal, &QPushButton::clicked, this, &frmTintora::cmdHexColVal_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmTintora::cmdExit_Click);
    connect(mnuExit, &QAction::triggered, this, &frmTintora::mnuExit_Click);

    connect(cmdShowMeColors, &QPushButton::clicked, this, &frmTintora::cmdShowMeColors_Click);
    connect(cmdFont, &QPushButton::clicked, this, &frmTintora::cmdFont_Click);
    connect(lblShowCB, &platform::Label::click, this, &frmTintora::lblShowCB_Click);
    connect(Check1, &platform::CheckBox::click, this, &frmTintora::Check1_Click);

    connect(mnuImport, &QAction::triggered, this, [this] { mnuImport_Click(0); });
    connect(mnuExport, &QAction::triggered, this, [this] { mnuExport_Click(1); });
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(3); });
    connect(mnuEmail, &QAction::triggered, this, [this] { mnuEmail_Click(5); });
    connect(mnuHelp, &QAction::triggered, this, [this] { mnuHelp_Click(7); });
}

} // namespace swatchly
