#include "chart/frmTintora.h"

#include "core/ChartBoxes.h"
#include "core/ColourRecordFile.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/ColourBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Fonts.h"
#include "platform/controls/Frames.h"
#include "platform/controls/Geometry.h"
#include "platform/controls/Label.h"
#include "platform/controls/Pictures.h"
#include "platform/controls/Slider.h"
#include "platform/controls/TextBox.h"
#include "platform/services/CommonDialog.h"
#include "platform/services/FileNames.h"
#include "platform/services/Files.h"
#include "platform/services/ProgramFolder.h"
#include "platform/services/ReplacingFile.h"
#include "widgets/cToolTip.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace swatchly {

using platform::placeTwips;
using platform::twips;

namespace {

constexpr ColourValue White = 0xFFFFFF;
constexpr ColourValue Grey = 0x808080;
constexpr ColourValue Black = 0;

// Left and Top, in Frame1's twips, of the chart grid's columns and rows.
constexpr std::array<int, 7> ChartColumns { 120, 600, 1080, 1560, 2040, 2520, 3000 };
constexpr std::array<int, 5> ChartRows { 360, 840, 1320, 2280, 2760 };

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

frmTintora::frmTintora(QWidget *parent)
    : QWidget(parent)
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

    cdColor = new platform::CommonDialog(this, QStringLiteral("cdColor"));
    cdbFont = new platform::CommonDialog(this, QStringLiteral("cdbFont"));

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
    new TypeAheadCombo(Combo1,
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

frmTintora::~frmTintora() = default;

void frmTintora::buildChart(QWidget *client)
{
    Frame1 = new platform::Frame(client, QStringLiteral("Frame1"),
                                 //: Main window, the chart's frame (covered by the chart's title).
                                 tr("Pick from the Color Chart"));
    placeTwips(Frame1, 0, 720, 3615, 3375);
    platform::setClassicFont(Frame1, 12, true);

    Label5 = new platform::Label(Frame1, QStringLiteral("Label5"),
                                 //: Main window, the chart's title strip: 240 px, 13.5 pt bold.
                                 tr("Pick from the Color Chart"));
    placeTwips(Label5, 0, 0, 3600, 345);
    Label5->setBackColor(White);
    platform::setClassicFont(Label5, 13.5, true);

    Label1 = new platform::Label(Frame1, QStringLiteral("Label1"),
                                 //: Main window, over the 14 boxes of the user's own colours:
                                 //: 241 px, 13.5 pt bold. The leading blank is a margin.
                                 tr(" Users Special Colors"));
    placeTwips(Label1, 0, 1800, 3615, 375);
    Label1->setBackColor(Grey);
    platform::setClassicFont(Label1, 13.5, true);

    // Box 0 belongs to the window and sits over the grid's first cell; the others are
    // children of Frame1.
    for (int i = 0; i < 35; ++i) {
        QWidget *container = i == 0 ? client : static_cast<QWidget *>(Frame1);
        auto *box = new platform::ColourBox(container, QStringLiteral("Picture1(%1)").arg(i));
        const int left = ChartColumns[static_cast<std::size_t>(i % 7)];
        const int top = ChartRows[static_cast<std::size_t>(i / 7)];
        if (i == 0)
            placeTwips(box, 0 + left, 720 + top, 375, 375);
        else
            placeTwips(box, left, top, 375, 375);
        Picture1[static_cast<std::size_t>(i)] = box;
    }

    struct LineDesign
    {
        int x1, y1, x2, y2;
        ColourValue colour;
        int width;
    };
    // Line1 .. Line11: a black border around the title strip and the chart colours and a grey
    // one around the Users Special Colors.
    const std::array<LineDesign, 11> lines { {
        { 0, 1800, 0, 3360, Grey, 3 }, // Line1
        { 3600, 3360, 0, 3360, Grey, 3 }, // Line2
        { 3600, 1800, 3600, 3360, Grey, 3 }, // Line3
        { 0, 1815, 3600, 1815, Black, 3 }, // Line4
        { 120, 330, 3480, 330, Black, 3 }, // Line5
        { 3600, 1800, 3600, 360, Black, 3 }, // Line6
        { 0, 360, 0, 1800, Black, 3 }, // Line7
        { 0, 2160, 3600, 2160, Grey, 2 }, // Line8
        { 0, 0, 3600, 0, Black, 3 }, // Line9
        { 3600, 360, 3600, 0, Black, 3 }, // Line10
        { 0, 0, 0, 360, Black, 3 }, // Line11
    } };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto &l = lines[i];
        Lines[i] = new platform::Line(Frame1, QStringLiteral("Line%1").arg(i + 1), l.x1, l.y1, l.x2,
                                      l.y2, l.colour, l.width);
    }
    Picture1[0]->raise();

    Check1 = new platform::CheckBox(client, QStringLiteral("Check1"),
                                    //: Main window, the tips switch: 113 px with its box.
                                    tr("Tool Tips - ON"), 1);
    placeTwips(Check1, 1920, 4200, 1695, 195);
}

void frmTintora::buildValueFrames(QWidget *client)
{
    Frame2 =
        //: Main window, the frame around the current colour: 217 px.
        new platform::Frame(client, QStringLiteral("Frame2"), tr("Color you Selected"));
    placeTwips(Frame2, 3720, 840, 3255, 2295);
    picColorSel = new platform::ColourBox(Frame2, QStringLiteral("picColorSel"));
    placeTwips(picColorSel, 120, 240, 3015, 1935);
    picColorSel->setBackColor(White);
    picColorSel->setToolTip(tr("The Currently Active Color"));

    //: Main window, the frame of the hex and decimal value boxes: 64 px, where the note about
    //: the clipboard begins.
    Frame5 = new platform::Frame(client, QStringLiteral("Frame5"), tr("Color Values"));
    placeTwips(Frame5, 3720, 3240, 3255, 855);
    txtHexValue = new platform::MultiLineTextBox(Frame5, QStringLiteral("txtHexValue"),
                                                 //: Main window, the hex value box before a
                                                 //: colour is picked: 65 px, two lines.
                                                 tr("Hex Value\r\n"));
    placeTwips(txtHexValue, 120, 240, 975, 495);
    txtHexValue->setToolTip(tr("Hexidecimal Value "));
    lblShowCB =
        new platform::Label(Frame5, QStringLiteral("lblShowCB"),
                            //: Main window, between the value boxes: 73 x 41 px, centred; the
                            //: runs of blanks break it into three lines of about 11 characters.
                            tr("  HTML Color       Value is in        the ClipBoard"));
    placeTwips(lblShowCB, 1080, 120, 1095, 615);
    txtDecValue = new platform::MultiLineTextBox(Frame5, QStringLiteral("txtDecValue"),
                                                 //: Main window, the decimal value box before
                                                 //: a colour is picked: 65 px, two lines.
                                                 tr("Dec Value\r\n"));
    placeTwips(txtDecValue, 2160, 240, 975, 495);
    txtDecValue->setToolTip(tr("Decimal Value"));
    // Two short lines in a narrow box: no wrapping, and a slightly narrower face so that
    // "Decimal Value" fits as it did in the classic dialog font.
    for (auto *box : { txtHexValue, txtDecValue }) {
        box->document()->setDocumentMargin(1);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        QFont narrow = box->font();
        narrow.setStretch(QFont::SemiCondensed);
        box->setFont(narrow);
    }
}

void frmTintora::buildSliders(QWidget *client)
{
    fraRGBColors = new platform::Frame(client, QStringLiteral("fraRGBColors"),
                                       //: Main window, the sliders' frame: 237 px.
                                       tr("Slide for a Color"));
    placeTwips(fraRGBColors, 0, 4320, 3555, 1905);
    // The frame's top overlaps the Tool Tips switch above it; the switch stays on top, so that
    // it takes clicks over its whole rectangle. The frame goes under it rather than the switch
    // to the end, so that a screen reader still meets the switch beside the sliders.
    fraRGBColors->stackUnder(Check1);

    const std::array<ColourValue, 3> labelColours { 0x0000C0, 0x008000, 0x800000 };
    const std::array<int, 3> labelTops { 240, 600, 960 };
    struct SliderPlace
    {
        int left, top, width, height;
    };
    const std::array<SliderPlace, 3> sliderPlaces {
        { { 105, 270, 2820, 210 }, { 115, 620, 2820, 220 }, { 105, 975, 2820, 220 } }
    };
    for (std::size_t i = 0; i < 3; ++i) {
        auto *label = new platform::Label(fraRGBColors, QStringLiteral("lblRGB(%1)").arg(i),
                                          QStringLiteral("0"));
        placeTwips(label, 75, labelTops[i], 3390, 270);
        label->setBackColor(labelColours[i]);
        label->setForeColor(White);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setWordWrap(false);
        lblRGB[i] = label;
    }
    // Arrows step by 1, the trough by 16.
    for (std::size_t i = 0; i < 3; ++i) {
        auto *slider =
            new platform::Slider(fraRGBColors, QStringLiteral("Slide(%1)").arg(i), 0, 255, 1, 16);
        const auto &p = sliderPlaces[i];
        placeTwips(slider, p.left, p.top, p.width, p.height);
        Slide[i] = slider;
    }

    lblSlide = new platform::Label(fraRGBColors, QStringLiteral("lblSlide"),
                                   //: Main window, the mixed colour under the sliders; %1 is
                                   //: its hex value: 221 px, 12 pt bold.
                                   tr("Hex Value (%1)").arg(QStringLiteral("000000")));
    placeTwips(lblSlide, 120, 1260, 3315, 270);
    lblSlide->setBackColor(Black);
    lblSlide->setForeColor(White);
    lblSlide->setAlignment(Qt::AlignCenter);
    lblSlide->setWordWrap(false);
    platform::setClassicFont(lblSlide, 12, true);

    cmdSlideSel = new platform::CommandButton(fraRGBColors, QStringLiteral("cmdSlideSel"),
                                              //: Main window, the button under the sliders:
                                              //: 220 px.
                                              tr("Press to Change/Select Color Box"));
    placeTwips(cmdSlideSel, 120, 1560, 3300, 300);
}

void frmTintora::buildTypedValues(QWidget *client)
{
    Frame3 = new platform::Frame(client, QStringLiteral("Frame3"),
                                 //: Main window, the frame of the typed values: 217 px.
                                 tr("Type in a Decimal Value in Each Box"));
    placeTwips(Frame3, 3720, 4320, 3255, 1935);

    picDecValue = new platform::PictureBox(Frame3, QStringLiteral("picDecValue"));
    placeTwips(picDecValue, 120, 240, 3015, 615);
    Label4 = new platform::Label(Frame3, QStringLiteral("Label4"),
                                 //: Main window, inside the typed values' frame, one line:
                                 //: 201 px.
                                 tr("Type in a Hexadecimal Value in Each Box"));
    placeTwips(Label4, 120, 960, 3015, 255);
    Label4->setWordWrap(false);
    pic3HexValue = new platform::PictureBox(Frame3, QStringLiteral("pic3HexValue"));
    placeTwips(pic3HexValue, 120, 1200, 3015, 615);

    const std::array<int, 3> columns { 0, 720, 1440 };
    const std::array<int, 3> channelLabelColumns { 360, 1080, 1800 };
    //: Main window, the letters of the red, green and blue channels beside the typed values:
    //: 17 px each.
    const std::array<QString, 3> channels { tr("R"), tr("G"), tr("B") };
    for (std::size_t i = 0; i < 6; ++i) {
        const bool hex = i >= 3;
        QWidget *panel = hex ? static_cast<QWidget *>(pic3HexValue) : picDecValue;
        const std::size_t c = i % 3;
        Label2[i] = new platform::Label(panel, QStringLiteral("Label2(%1)").arg(i),
                                        hex ? QStringLiteral("00-FF") : QStringLiteral("0-255"));
        placeTwips(Label2[i], columns[c], 0, 495, 255);
        txtColValue[i] = new platform::TextBox(panel, QStringLiteral("txtColValue(%1)").arg(i),
                                               hex ? QStringLiteral("FF") : QStringLiteral("255"));
        txtColValue[i]->setMaxLength(hex ? 2 : 3);
        // The first hexadecimal box sits a few twips right of the column, as it was drawn.
        placeTwips(txtColValue[i], i == 3 ? 5 : columns[c], 240, 375, 285);
        Label3[i] = new platform::Label(panel, QStringLiteral("Label3(%1)").arg(i), channels[c]);
        placeTwips(Label3[i], channelLabelColumns[c], 240, 255, 375);
        platform::setClassicFont(Label3[i], 9.75, true);
    }
    cmdDecColVal = new platform::CommandButton(picDecValue, QStringLiteral("cmdDecColVal"),
                                               //: Main window, the buttons that take the typed
                                               //: values: 41 px.
                                               tr("OK"));
    placeTwips(cmdDecColVal, 2280, 120, 615, 375);
    cmdHexColVal =
        new platform::CommandButton(pic3HexValue, QStringLiteral("cmdHexColVal"), tr("OK"));
    placeTwips(cmdHexColVal, 2280, 120, 615, 375);
}

void frmTintora::buildNameAndButtons(QWidget *client)
{
    Frame4 =
        //: Main window, the frame of the colour-name box: 233 px.
        new platform::Frame(client, QStringLiteral("Frame4"), tr("Select Color Name"));
    placeTwips(Frame4, 60, 6240, 3495, 855);
    Combo1 = new platform::ComboBox(Frame4, QStringLiteral("Combo1"));
    placeTwips(Combo1, 120, 360, 3255, 315);

    Frame6 = new platform::Frame(client, QStringLiteral("Frame6"));
    placeTwips(Frame6, 3720, 6240, 3255, 855);
    cmdShowMeColors = new platform::CommandButton(Frame6, QStringLiteral("cmdShowMeColors"),
                                                  //: Main window, opens the colour dialog:
                                                  //: 73 x 33 px, two lines at most.
                                                  tr("More  Colors..."));
    placeTwips(cmdShowMeColors, 120, 240, 1095, 495);
    cmdFont = new platform::CommandButton(Frame6, QStringLiteral("cmdFont"),
                                          //: Main window, opens the font dialog: 57 x 33 px,
                                          //: two lines at most.
                                          tr("Font Select"));
    placeTwips(cmdFont, 1320, 240, 855, 495);
    cmdExit =
        //: Main window, the exit button: 57 x 33 px.
        new platform::CommandButton(Frame6, QStringLiteral("cmdExit"), tr("Exit"));
    placeTwips(cmdExit, 2280, 240, 855, 495);

    imImport = new platform::ImageHolder(client, QStringLiteral("imImport"),
                                         QStringLiteral(":/menu/import.png"));
    imExport = new platform::ImageHolder(client, QStringLiteral("imExport"),
                                         QStringLiteral(":/menu/export.png"));
    imAbout = new platform::ImageHolder(client, QStringLiteral("imAbout"),
                                        QStringLiteral(":/menu/about.png"));
    imEmail = new platform::ImageHolder(client, QStringLiteral("imEmail"),
                                        QStringLiteral(":/menu/email.png"));
    imHelp = new platform::ImageHolder(client, QStringLiteral("imHelp"),
                                       QStringLiteral(":/menu/help.png"));
    imExit = new platform::ImageHolder(client, QStringLiteral("imExit"),
                                       QStringLiteral(":/menu/exit.png"));
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
                [this, i](int &keyAscii) { txtColValue_KeyPress(i, keyAscii); });
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

void frmTintora::Form_Load()
{
    setMenuPictures();
    UserColorsChanged = false;
    setUpToolTips();
    Check1_Click();
    platform::removeSaveLeftovers(platform::pathBytes(platform::programFolder()));
    LoadStartUpData();
    picColorSel_Change();
}

void frmTintora::setMenuPictures()
{
    const std::array<std::pair<QAction *, platform::ImageHolder *>, 6> pictures { {
        { mnuImport, imImport },
        { mnuExport, imExport },
        { mnuAbout, imAbout },
        { mnuEmail, imEmail },
        { mnuHelp, imHelp },
        { mnuExit, imExit },
    } };
    for (const auto &[action, holder] : pictures)
        action->setIcon(holder->icon());
}

void frmTintora::LoadStartUpData()
{
    auto openFile = [](const char *name) -> std::unique_ptr<platform::InputFile> {
        auto file = platform::files().openForInput(platform::programFileBytes(QLatin1String(name)));
        return file ? std::move(*file) : nullptr;
    };
    // Reads a file of RRGGBB records into the boxes; false at the first failure, with the boxes
    // before it loaded.
    auto loadColours = [this, &openFile](const char *name, BoxRange boxes) {
        auto file = openFile(name);
        if (!file)
            return false;
        const auto read =
            readColourRecords(*file, static_cast<std::size_t>(boxes.count()), DigitOrder::RRGGBB);
        for (std::size_t i = 0; i < read.colours.size(); ++i)
            Picture1[static_cast<std::size_t>(boxes.first) + i]->setBackColor(read.colours[i]);
        return !read.failure;
    };

    if (!loadColours("StartUpColors", ChartColours))
        return;
    if (!loadColours("UserDefColors.col", UsersSpecialColors))
        return;

    auto names = openFile("ListBoxColorNames.txt");
    if (!names)
        return;
    std::size_t i = 0;
    while (!names->atEnd()) {
        if (i > 500)
            return; // the list is full
        const auto name = names->readField();
        if (!name)
            return;
        const auto value = names->readField();
        if (!value)
            return;
        ColorNameValues[i] = *value;
        Combo1->addListItem(QString::fromLocal8Bit(*name));
        if (value->empty())
            break;
        ++i;
    }
    names.reset();

    Picture1_MouseDown(0, 1, 0, 0, 0);
}

void frmTintora::closeEvent(QCloseEvent *event)
{
    // The close that ends a session or a request to end, after its answer: nothing to ask.
    if (m_quitting && m_sessionAnswered && !UserColorsChanged) {
        event->accept();
        return;
    }
    int cancel = 0;
    Form_QueryUnload(cancel, 0);
    if (cancel != 0)
        event->ignore();
    else
        event->accept();
}

bool frmTintora::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) {
        // The quit closes the windows before it returns; whatever comes later is the user's.
        m_quitting = true;
        QTimer::singleShot(0, this, [this] { m_quitting = false; });
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace swatchly
