// The main window's tips and their on/off switch.
#include "chart/frmTintora.h"
#include "core/ChartBoxes.h"
#include "widgets/cToolTip.h"

namespace swatchly {

namespace {

// A manager is made when it is first needed, so one used before the set-up still works.
cToolTip &use(std::unique_ptr<cToolTip> &tip)
{
    if (!tip)
        tip = std::make_unique<cToolTip>();
    return *tip;
}

// Balloons in one colour pair, with the sliders' and buttons' common timing.
void makeBalloon(std::unique_ptr<cToolTip> &tip, ColourValue background, ColourValue text,
                 int width)
{
    cToolTip &t = use(tip);
    t.setBkColor(background);
    t.setTxtColor(text);
    t.setDelayTime(300);
    t.setVisibleTime(20000);
    t.setTipWidth(width);
    t.setStyle(2);
}

} // namespace

void frmTintora::setUpToolTips()
{
    cToolTip &userColors = use(ttUserColors);
    userColors.setStyle(1);
    userColors.setDelayTime(300);
    userColors.setVisibleTime(20000);

    makeBalloon(ttSlideRed, 0x0000FF, 0x00FFFF, 75);
    makeBalloon(ttSlideGreen, 0x00FF00, 0, 75);
    makeBalloon(ttSlideBlue, 0xFF0000, 0xFFFFFF, 75);
    makeBalloon(ttFont, 0, 0x00FFFF, 75);
    makeBalloon(ttMoreColors, 0x0000FF, 0x00FFFF, 50);
}

void frmTintora::Check1_Click()
{
    const QString chartBox = tr("Click to Select (Activate) this Color!");
    //: The balloon of the Users Special Colors boxes, 5 paragraphs.
    const QString userColours = tr("  To Add your own Custom Colors to these Boxes\r\n\r\n"
                                   "Hold Down the Shift Key and Right Click your mouse button\r\n"
                                   "\r\n"
                                   "This box color will be the color of the 'Color you Selected' "
                                   "Box\r\n\r\n"
                                   "You can change the color of the 'Users Special Color' Boxes at "
                                   "any Time.\r\n\r\n"
                                   "The Users Special Colors are saved when any changes occur.");
    //: The balloon of the More Colors button, 50 px wide.
    const QString moreColours =
        tr("Colors, colors and more colors...\r\n\r\n\r\n   Just Show Me the Colors...");
    //: The balloon of the three sliders, 75 px wide.
    const QString slider =
        tr("Use Either the Middle Bar \r\n\r\nor the End Arrows < >\r\n\r\nTo Change the Value");
    //: The balloon of the Font Select button, 75 px wide; its last line shows the label's
    //: caption (the text of "Hex Value (%1)").
    const QString font = tr("Changes the    font \r\nof the  Slider display label.\r\n\r\n") +
        tr("Hex Value (%1)").arg(QStringLiteral("FFFFFF"));

    if (Check1->value() == 1) {
        //: Main window, the tips switch when on: 113 px with its box.
        Check1->setText(tr("Tool Tips - (ON)"));
        Check1->setToolTip(tr("v/ all tool tips are Activated"));
        for (int i = ChartColours.first; i <= ChartColours.last; ++i)
            Picture1[static_cast<std::size_t>(i)]->setToolTip(chartBox);
        for (int i = UsersSpecialColors.first; i <= UsersSpecialColors.last; ++i)
            use(ttUserColors)
                .SetToolTipObj(Picture1[static_cast<std::size_t>(i)], userColours, false);
        use(ttMoreColors).SetToolTipObj(cmdShowMeColors, moreColours, false);
        picColorSel->setToolTip(tr("The Currently Active Color"));
        txtHexValue->setToolTip(tr("The Hexadecimal Value of the Color"));
        txtDecValue->setToolTip(tr("The Decimal Value of the Color"));
        for (int i = 0; i <= 2; ++i)
            txtColValue[static_cast<std::size_t>(i)]->setToolTip(
                tr("Enter in a Number from 0 To 255"));
        for (int i = 3; i <= 5; ++i)
            txtColValue[static_cast<std::size_t>(i)]->setToolTip(
                tr("Enter in a Hex Number from 0 To FF (Upper Case Only)"));
        for (auto *label : lblRGB)
            label->setToolTip(tr("Shows the Decimal value."));
        cmdDecColVal->setToolTip(
            tr("Type in Numbers from 0 To 255 then Click to Show and Activate this Color"));
        cmdHexColVal->setToolTip(tr("Type in Numbers (Hex) from 0 To FF (Upper Case) "
                                    "then Click to Show and Activate this Color"));
        use(ttSlideRed).SetToolTipObj(Slide[0], slider, false);
        use(ttSlideGreen).SetToolTipObj(Slide[1], slider, false);
        use(ttSlideBlue).SetToolTipObj(Slide[2], slider, false);
        lblShowCB->setToolTip(tr("Click to Show ClipBoard"));
        Combo1->setToolTip(tr("Click in this box to Activate Name Shown"));
        use(ttFont).SetToolTipObj(cmdFont, font, false);
        return;
    }

    // Attaching the empty text takes each custom tip away again.
    Combo1->setToolTip(QString());
    Check1->setToolTip(QString());
    lblShowCB->setToolTip(QString());
    //: Main window, the tips switch when off: 113 px with its box.
    Check1->setText(tr("Tool Tips - (OFF)"));
    cmdDecColVal->setToolTip(QString());
    cmdHexColVal->setToolTip(QString());
    for (int i = ChartColours.first; i <= ChartColours.last; ++i)
        Picture1[static_cast<std::size_t>(i)]->setToolTip(QString());
    for (int i = UsersSpecialColors.first; i <= UsersSpecialColors.last; ++i)
        use(ttUserColors).SetToolTipObj(Picture1[static_cast<std::size_t>(i)], QString(), false);
    use(ttMoreColors).SetToolTipObj(cmdShowMeColors, QString(), false);
    picColorSel->setToolTip(QString());
    txtHexValue->setToolTip(QString());
    txtDecValue->setToolTip(QString());
    use(ttSlideRed).SetToolTipObj(Slide[0], QString(), false);
    use(ttSlideGreen).SetToolTipObj(Slide[1], QString(), false);
    use(ttSlideBlue).SetToolTipObj(Slide[2], QString(), false);
    use(ttFont).SetToolTipObj(cmdFont, QString(), false);
    for (auto *box : txtColValue)
        box->setToolTip(QString());
    for (auto *label : lblRGB)
        label->setToolTip(QString());
}

} // namespace swatchly
