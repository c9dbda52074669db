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

const std::array<QString, 3> ChannelNames { QStringLiteral("Red"), QStringLiteral("Green"),
                                            QStringLiteral("Blue") };

} // namespace

void frmTintora::setUpAccessibility()
{
    // Labels, buttons, the check box and the frames with a caption are named by Qt from the
    // caption as it reads at the moment, so that Check1's ON/OFF, the slider values of lblRGB
    // and the mixed colour of lblSlide stay current; everything else is named here.
    centralWidget()->setAccessibleName(windowTitle());
    menuBar()->setAccessibleName(QStringLiteral("Menu bar"));
    mnuFile->setAccessibleName(mnuFile->title());
    platform::exposeToolBarButtonsOnly();
    Toolbar1->setAccessibleName(QStringLiteral("Toolbar"));

    // Each box describes its colour itself and keeps the description current.
    for (int i = 0; i < 35; ++i) {
        Picture1[static_cast<std::size_t>(i)]->setAccessibleName(
            UsersSpecialColors.contains(i)
                ? QStringLiteral("Users Special Color %1").arg(i - UsersSpecialColors.first + 1)
                : QStringLiteral("Chart colour %1").arg(i + 1));
    }
    picColorSel->setAccessibleName(Frame2->title());
    // The current colour is shown here, not chosen: a click still takes the focus, Tab goes
    // past it to the two value boxes that spell it out.
    picColorSel->setFocusPolicy(Qt::ClickFocus);

    txtHexValue->setAccessibleName(QStringLiteral("Hex Value"));
    txtHexValue->setAccessibleDescription(
        QStringLiteral("The current colour in hexadecimal, red, green and blue"));
    txtDecValue->setAccessibleName(QStringLiteral("Decimal Value"));
    txtDecValue->setAccessibleDescription(QStringLiteral("The current colour as one number"));
    // The caption's blanks lay it out on three lines; a screen reader reads it as one.
    lblShowCB->setAccessibleName(lblShowCB->text().simplified());
    lblShowCB->setAccessibleDescription(QStringLiteral("Click to show the clipboard"));
    for (platform::MultiLineTextBox *box : { txtHexValue, txtDecValue }) {
        box->verticalScrollBar()->setAccessibleName(box->accessibleName() +
                                                    QStringLiteral(" vertical scroll bar"));
        box->horizontalScrollBar()->setAccessibleName(box->accessibleName() +
                                                      QStringLiteral(" horizontal scroll bar"));
    }

    for (std::size_t i = 0; i < 3; ++i) {
        Slide[i]->setAccessibleName(ChannelNames[i]);
        Slide[i]->setAccessibleDescription(ChannelNames[i] + QStringLiteral(", 0 to 255"));
        lblRGB[i]->setAccessibleDescription(ChannelNames[i] + QStringLiteral(" slider value"));
        txtColValue[i]->setAccessibleName(ChannelNames[i] + QStringLiteral(" (decimal)"));
        txtColValue[i]->setAccessibleDescription(QStringLiteral("0 to 255"));
        txtColValue[i + 3]->setAccessibleName(ChannelNames[i] + QStringLiteral(" (hex)"));
        txtColValue[i + 3]->setAccessibleDescription(QStringLiteral("00 to FF"));
    }
    lblSlide->setAccessibleDescription(QStringLiteral("The colour mixed by the sliders"));
    picDecValue->setAccessibleName(QStringLiteral("Decimal values"));
    pic3HexValue->setAccessibleName(QStringLiteral("Hexadecimal values"));
    cmdDecColVal->setAccessibleDescription(
        QStringLiteral("Makes the typed decimal values the current colour"));
    cmdHexColVal->setAccessibleDescription(
        QStringLiteral("Makes the typed hexadecimal values the current colour"));

    Combo1->setAccessibleName(Frame4->title());
    Combo1->lineEdit()->setAccessibleName(Frame4->title());
    Combo1->setAccessibleDescription(QStringLiteral("Type or pick a colour name"));
    Frame6->setAccessibleName(QStringLiteral("More Colors, Font Select and Exit"));
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
