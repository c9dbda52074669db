// The colour chart window, the program's one main window.
//
// It holds the chart of 35 colour boxes (`Picture1`: 0 to 20 the chart colours, 21 to 34 the
// Users Special Colors), the current colour (the background of `picColorSel`) with its
// hexadecimal and decimal displays, three channel sliders with a preview strip, six typed
// channel boxes, the colour-name box, the toolbar and the File menu.
//
// Every way of choosing a colour sets the current colour and then calls `picColorSel_Change`
// (the two displays, and through the hexadecimal one the clipboard) and
// `ShowColorsInHexDecTextBoxes` (the six channel boxes and the sliders). Controls raise their
// change events nested inside the setting call, so moving a slider from code runs
// `Slide_Change` at once; the handlers rely on that order.
//
// The handlers live beside their behaviour: construction, the menu and the toolbar in
// frmTintora.cpp, the chart and the value frames in ChartFrames.cpp, start-up loading in
// StartUp.cpp, the current colour and sliders in CurrentColour.cpp, typed values in
// TypedValues.cpp, exit and the end of the session in Exit.cpp, colour names in
// ColourNames.cpp, the dialogs and the clipboard viewer in ChartDialogs.cpp, the tips in
// MainWindowTips.cpp, the menu and toolbar commands in Commands.cpp, and what screen readers
// and keyboard users get in Accessibility.cpp.
#pragma once

#include "core/Colour.h"
#include "core/FileError.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/ColourBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Frames.h"
#include "platform/controls/Label.h"
#include "platform/controls/Pictures.h"
#include "platform/controls/Slider.h"
#include "platform/controls/TextBox.h"
#include "platform/services/CommonDialog.h"
#include "platform/services/Services.h"
#include "schemes/UserColourBoxes.h"
#include "widgets/TypeAheadCombo.h"

#include <QIcon>
#include <QPointer>
#include <QToolBar>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QAction;
class QMenu;
class QMenuBar;

namespace swatchly {

class cToolTip;
class frmSavetxt;

class frmTintora : public QWidget, public UserColourBoxes
{
    Q_OBJECT
public:
    // The window and the windows it opens reach the system through services.
    explicit frmTintora(platform::Services &services, QWidget *parent = nullptr);
    ~frmTintora() override;

    // The current colour: the background of picColorSel.
    ColourValue currentColour() const { return picColorSel->backColor(); }
    QIcon windowIconPicture() const { return m_icon; }
    platform::Services &services() const { return m_services; }

    // The Users Special Colors, as the scheme window imports and exports them.
    std::vector<ColourValue> userColours() const override;
    void replaceUserColours(std::span<const ColourValue> colours) override;
    // The scheme window while it is loaded; this window deletes it when it goes itself.
    QPointer<frmSavetxt> &schemeWindow() { return m_schemeWindow; }

    // The menu bar along the top, and the area below it that holds every other control.
    QMenuBar *menuBar() const { return m_menuBar; }
    QWidget *centralWidget() const { return m_client; }

    // ---- Controls, named as the window's design names them ----
    QToolBar *Toolbar1 = nullptr;
    std::array<QIcon, 5> ImageList1;
    platform::CommonDialog *cdColor = nullptr;
    platform::CommonDialog *cdbFont = nullptr;

    platform::Frame *Frame1 = nullptr;
    platform::Label *Label5 = nullptr;
    std::array<platform::ColourBox *, 35> Picture1 {};
    platform::Label *Label1 = nullptr;
    std::array<platform::Line *, 11> Lines {}; // Line1 .. Line11 at 0 .. 10
    platform::CheckBox *Check1 = nullptr;
    platform::Frame *Frame2 = nullptr;
    platform::ColourBox *picColorSel = nullptr;
    platform::Frame *Frame5 = nullptr;
    platform::MultiLineTextBox *txtHexValue = nullptr;
    platform::Label *lblShowCB = nullptr;
    platform::MultiLineTextBox *txtDecValue = nullptr;
    platform::Frame *fraRGBColors = nullptr;
    std::array<platform::Label *, 3> lblRGB {};
    std::array<platform::Slider *, 3> Slide {};
    platform::Label *lblSlide = nullptr;
    platform::CommandButton *cmdSlideSel = nullptr;
    platform::Frame *Frame3 = nullptr;
    platform::PictureBox *picDecValue = nullptr;
    std::array<platform::Label *, 6> Label2 {};
    std::array<platform::TextBox *, 6> txtColValue {};
    std::array<platform::Label *, 6> Label3 {};
    platform::CommandButton *cmdDecColVal = nullptr;
    platform::Label *Label4 = nullptr;
    platform::PictureBox *pic3HexValue = nullptr;
    platform::CommandButton *cmdHexColVal = nullptr;
    platform::Frame *Frame4 = nullptr;
    platform::ComboBox *Combo1 = nullptr;
    platform::Frame *Frame6 = nullptr;
    platform::CommandButton *cmdShowMeColors = nullptr;
    platform::CommandButton *cmdFont = nullptr;
    platform::CommandButton *cmdExit = nullptr;
    platform::ImageHolder *imImport = nullptr;
    platform::ImageHolder *imExport = nullptr;
    platform::ImageHolder *imAbout = nullptr;
    platform::ImageHolder *imEmail = nullptr;
    platform::ImageHolder *imHelp = nullptr;
    platform::ImageHolder *imExit = nullptr;

    QMenu *mnuFile = nullptr;
    QAction *mnuImport = nullptr;
    QAction *mnuExport = nullptr;
    QAction *mnuAbout = nullptr;
    QAction *mnuEmail = nullptr;
    QAction *mnuHelp = nullptr;
    QAction *mnuExit = nullptr;

    // ---- Window state ----
    bool UserColorsChanged = false;
    // The boxes this run changed, by a store or an import: the save at exit writes these and
    // keeps the records on disk for the others.
    std::array<bool, 35> changedThisRun {};
    std::array<std::string, 501> ColorNameValues;

    // The six tip managers, created on their first use.
    std::unique_ptr<cToolTip> ttUserColors;
    std::unique_ptr<cToolTip> ttSlideRed;
    std::unique_ptr<cToolTip> ttSlideGreen;
    std::unique_ptr<cToolTip> ttSlideBlue;
    std::unique_ptr<cToolTip> ttFont;
    std::unique_ptr<cToolTip> ttMoreColors;

    // ---- Event handlers and the window's named procedures ----
    void Form_Load();
    void Form_QueryUnload(int &Cancel, int UnloadMode);

    void Picture1_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void picColorSel_Change();
    void ShowColorsInHexDecTextBoxes();
    void txtHexValue_Change();

    void Slide_Change(int Index);
    void cmdSlideSel_Click();

    void txtColValue_KeyPress(int Index, int &KeyAscii);
    void cmdDecColVal_Click();
    void cmdHexColVal_Click();

    void cmdExit_Click();
    void mnuExit_Click();

    void cmdShowMeColors_Click();
    void cmdFont_Click();
    void lblShowCB_Click();

    void Check1_Click();

    void Toolbar1_ButtonClick(const QString &Key);
    void mnuImport_Click(int Index = 0);
    void mnuExport_Click(int Index = 0);
    void mnuAbout_Click(int Index = 0);
    void mnuEmail_Click(int Index = 0);
    void mnuHelp_Click(int Index = 0);

    // Ties the program's end to this window: a termination signal ends the session
    // (endSession), a broken pipe ends nothing, and a pending store is saved when a library
    // ends the process (the X server went away).
    void endWithTheProcess();
    // Ends the program without the exit question, as when the program is told to stop
    // (SIGTERM, SIGHUP, SIGINT): the colours stored in this run are saved first, and only a
    // failed save asks whether to end without them.
    void endSession();
    // The desktop session is ending. Where the session lets the program ask, the close runs
    // as for the close box; where it does not, a pending store is saved without a question.
    // False when the user keeps the program running.
    bool commitSessionData(bool mayInteract);
    // The save before such an end. False when the store could not be saved and the user chose
    // to keep the program running.
    bool endOnRequest();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    platform::Services &m_services;
    // The user already answered the close for this session end, and nothing was stored since.
    bool m_sessionAnswered = false;
    // The application is quitting, as when the desktop session ends after its question: the
    // close it brings is the one that answer was for. A session end that was cancelled never
    // quits, and the user's next close asks again.
    bool m_quitting = false;

    void buildChart(QWidget *client);
    void buildValueFrames(QWidget *client);
    void buildSliders(QWidget *client);
    void buildTypedValues(QWidget *client);
    void buildNameAndButtons(QWidget *client);
    void buildMenu();
    void buildToolbar(QWidget *client);
    void connectHandlers();
    void setUpCommandKeys();
    // Names and descriptions for screen readers, and the Tab order (Accessibility.cpp).
    void setUpAccessibility();
    // The chart grid is one Tab stop, the box that last had the focus; arrow keys move the
    // focus from box to box inside the grid.
    void makeChartTabStop(int index);
    void moveChartFocus(int index, int columns, int rows);

    void LoadStartUpData();
    // Saves a pending store; the failure, if any.
    std::optional<FileError> saveStore();
    // Saves a pending store; on a failure the user chooses whether to let it go (true) or keep
    // the program running (false).
    bool saveStoreOrLetGo();
    void releaseToolTips();
    void setMenuPictures();
    void setUpToolTips();
    void foundColourName(int index);

    QIcon m_icon;
    QMenuBar *m_menuBar = nullptr;
    QWidget *m_client = nullptr;
    QPointer<frmSavetxt> m_schemeWindow;
};

} // namespace swatchly
