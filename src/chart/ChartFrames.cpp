// Building the chart and the frames of values, sliders, typed values and the name box.
#include "chart/frmTintora.h"

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

namespace swatchly {

using platform::placeTwips;

namespace {

constexpr ColourValue White = 0xFFFFFF;
constexpr ColourValue Grey = 0x808080;
constexpr ColourValue Black = 0;

// Left and Top, in Frame1's twips, of the chart grid's columns and rows.
constexpr std::array<int, 7> ChartColumns { 120, 600, 1080, 1560, 2040, 2520, 3000 };
constexpr std::array<int, 5> ChartRows { 360, 840, 1320, 2280, 2760 };

} // namespace

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

} // namespace swatchly
