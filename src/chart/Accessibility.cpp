// What screen readers and keyboard users get from the colour chart window: a name and a
// description for each control, the Tab order, and the chart grid as one Tab stop inside which
// the arrow keys move.
#include "chart/frmTintora.h"
#include "platform/controls/Accessible.h"
#include "platform/controls/TextBox.h"

#include "core/ChartBoxes.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>

namespace swatchly {

namespace {

constexpr int GridColumns = 7;
constexpr int GridRows = 5;

const std::array<const char *, 3> ChannelNames { QT_TRANSLATE_NOOP("swatchly::frmTintora", "Red"),
                                                 QT_TRANSLATE_NOOP("swatchly::frmTintora", "Green"),
                                                 QT_TRANSLATE_NOOP("swatchly::frmTintora",
                                                                   "Blue") };

} // namespace

void frmTintora::setUpAccessibility()
{
    // Labels, buttons, the check box and the frames with a caption are named by Qt from the
    // caption as it reads at the moment, so that Check1's ON/OFF, the slider values of lblRGB
    // and the mixed colour of lblSlide stay current; everything else is named here.
    centralWidget()->setAccessibleName(windowTitle());
    menuBar()->setAccessibleName(tr("Menu bar"));
    mnuFile->setAccessibleName(mnuFile->title());
    platform::exposeToolBarButtonsOnly();
    Toolbar1->setAccessibleName(tr("Toolbar"));

    // Each box describes its colour itself and keeps the description current.
    for (int i = 0; i < 35; ++i) {
        Picture1[static_cast<std::size_t>(i)]->setAccessibleName(
            UsersSpecialColors.contains(i)
                ? tr("Users Special Color %1").arg(i - UsersSpecialColors.first + 1)
                : tr("Chart colour %1").arg(i + 1));
    }
    picColorSel->setAccessibleName(Frame2->title());
    // The current colour is shown here, not chosen: a click still takes the focus, Tab goes
    // past it to the two value boxes that spell it out.
    picColorSel->setFocusPolicy(Qt::ClickFocus);

    txtHexValue->setAccessibleName(tr("Hex Value"));
    txtHexValue->setAccessibleDescription(
        tr("The current colour in hexadecimal, red, green and blue"));
    txtDecValue->setAccessibleName(tr("Decimal Value"));
    txtDecValue->setAccessibleDescription(tr("The current colour as one number"));
    // The caption's blanks lay it out on three lines; a screen reader reads it as one.
    lblShowCB->setAccessibleName(lblShowCB->text().simplified());
    lblShowCB->setAccessibleDescription(tr("Click to show the clipboard"));
    for (platform::MultiLineTextBox *box : { txtHexValue, txtDecValue }) {
        //: Screen readers: %1 is the value box ("Hex Value").
        box->verticalScrollBar()->setAccessibleName(
            tr("%1 vertical scroll bar").arg(box->accessibleName()));
        box->horizontalScrollBar()->setAccessibleName(
            tr("%1 horizontal scroll bar").arg(box->accessibleName()));
    }

    for (std::size_t i = 0; i < 3; ++i) {
        const QString channel = tr(ChannelNames[i]);
        Slide[i]->setAccessibleName(channel);
        //: Screen readers: %1 is the channel (Red, Green or Blue).
        Slide[i]->setAccessibleDescription(tr("%1, 0 to 255").arg(channel));
        lblRGB[i]->setAccessibleDescription(tr("%1 slider value").arg(channel));
        txtColValue[i]->setAccessibleName(tr("%1 (decimal)").arg(channel));
        txtColValue[i]->setAccessibleDescription(tr("0 to 255"));
        txtColValue[i + 3]->setAccessibleName(tr("%1 (hex)").arg(channel));
        txtColValue[i + 3]->setAccessibleDescription(tr("00 to FF"));
    }
    lblSlide->setAccessibleDescription(tr("The colour mixed by the sliders"));
    picDecValue->setAccessibleName(tr("Decimal values"));
    pic3HexValue->setAccessibleName(tr("Hexadecimal values"));
    cmdDecColVal->setAccessibleDescription(tr("Makes the typed decimal values the current colour"));
    cmdHexColVal->setAccessibleDescription(
        tr("Makes the typed hexadecimal values the current colour"));

    Combo1->setAccessibleName(Frame4->title());
    Combo1->lineEdit()->setAccessibleName(Frame4->title());
    Combo1->setAccessibleDescription(tr("Type or pick a colour name"));
    Frame6->setAccessibleName(tr("More Colors, Font Select and Exit"));
    cmdShowMeColors->setAccessibleName(cmdShowMeColors->text().simplified());

    // The left column from the top, then the right one, then the bottom row. The toolbar's
    // commands are on the File menu and its keys.
    QList<QWidget *> order;
    for (auto *box : Picture1)
        order.append(box);
    order << Check1 << txtHexValue << txtDecValue << Slide[0] << Slide[1] << Slide[2] << cmdSlideSel
          << txtColValue[0] << txtColValue[1] << txtColValue[2] << cmdDecColVal << txtColValue[3]
          << txtColValue[4] << txtColValue[5] << cmdHexColVal << Combo1 << cmdShowMeColors
          << cmdFont << cmdExit;
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
    makeChartTabStop(0);
}

void frmTintora::makeChartTabStop(int index)
{
    for (int i = 0; i < static_cast<int>(Picture1.size()); ++i)
        Picture1[static_cast<std::size_t>(i)]->setFocusPolicy(i == index ? Qt::StrongFocus
                                                                         : Qt::ClickFocus);
}

void frmTintora::moveChartFocus(int index, int columns, int rows)
{
    const int column = index % GridColumns + columns;
    const int row = index / GridColumns + rows;
    if (column < 0 || column >= GridColumns || row < 0 || row >= GridRows)
        return;
    const int target = row * GridColumns + column;
    Picture1[static_cast<std::size_t>(target)]->setFocus(Qt::OtherFocusReason);
}

} // namespace swatchly
