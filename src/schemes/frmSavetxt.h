// The scheme file window: export the Users Special Colors (which the main window lends it
// through UserColourBoxes) to a named scheme file, import one into them, or delete one.
//
// The window is opened by the main window's Import and Export commands through open(), which
// loads a fresh window (loading lists the program folder's ".col" files in the name box),
// chooses the mode and hides the main window. Every closing unloads the window and shows the
// main window again, so the list always reflects the folder as it was at the opening.
//
// Lifetime: the window is a top-level window of its own that deletes itself when it closes.
// The main window holds it, while it is loaded, in a QPointer (schemeWindow()); the window
// leaves that pointer when it closes, and a main window that goes deletes the window it still
// holds, without closing it, so nothing shows the main window while it is being destroyed.
//
// The name box completes typed names from the list (TypeAheadCombo) and takes no typed period.
// Scheme files live in the program folder only: a name that holds a folder is refused before
// any file is touched. Every scheme file holds BBGGRR records except UserDefColors.col, which
// keeps the RRGGBB order in which the program saves and loads it at exit and start-up.
#pragma once

#include "core/FileError.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Frames.h"
#include "platform/controls/Label.h"
#include "platform/services/Services.h"
#include "schemes/UserColourBoxes.h"
#include "schemes/clsFindFile.h"
#include "widgets/TypeAheadCombo.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <concepts>
#include <memory>

namespace swatchly {

class frmSavetxt;

// A main window that holds the Users Special Colors itself, as the colour chart window does,
// its loaded scheme window and the services its windows are given.
template<typename Window>
concept MainWindowWithUserColours = std::derived_from<Window, QWidget> &&
    std::derived_from<Window, UserColourBoxes> && requires(Window &window)
{
    {
        window.schemeWindow()
        } -> std::same_as<QPointer<frmSavetxt> &>;
    {
        window.services()
        } -> std::same_as<platform::Services &>;
};

class frmSavetxt : public QWidget
{
    Q_OBJECT
public:
    // Builds and loads the window (Form_Load) for mainWindow, whose Users Special Colors
    // userColours are, and puts it in mainWindow's loaded pointer, deleting the window that
    // pointer held; open() is the usual way in. The window reaches the system through services.
    frmSavetxt(platform::Services &services, QWidget &mainWindow, UserColourBoxes &userColours,
               QPointer<frmSavetxt> &loaded);
    template<MainWindowWithUserColours MainWindow>
    explicit frmSavetxt(MainWindow &mainWindow)
        : frmSavetxt(mainWindow.services(), mainWindow, mainWindow, mainWindow.schemeWindow())
    { }
    ~frmSavetxt() override;

    // Shows the window held in loaded (loading it first when there is none), chooses
    // optOpenSave(option) and hides the main window.
    static frmSavetxt *open(platform::Services &services, QWidget &mainWindow,
                            UserColourBoxes &userColours, QPointer<frmSavetxt> &loaded, int option);
    template<MainWindowWithUserColours MainWindow>
    static frmSavetxt *open(MainWindow &mainWindow, int option)
    {
        return open(mainWindow.services(), mainWindow, mainWindow, mainWindow.schemeWindow(),
                    option);
    }

    // ---- Controls, named as the window's design names them ----
    platform::CommandButton *cmdOpen = nullptr;
    platform::CommandButton *cmdSave = nullptr;
    platform::Label *Label1 = nullptr;
    platform::ComboBox *Combo1 = nullptr;
    platform::Label *Label2 = nullptr;
    platform::Frame *Frame1 = nullptr;
    std::array<platform::OptionButton *, 2> optOpenSave {};
    platform::CommandButton *cmdDelete = nullptr;
    platform::CommandButton *cmdExit = nullptr;

    // ---- Event handlers and the window's named procedures ----
    void Form_Load();
    void Form_QueryUnload(int &Cancel, int UnloadMode);
    void FillFileList();
    int FindFilesInSingleDir(const QString &strDir, const QString &strPattern);
    void optOpenSave_Click(int Index);
    void cmdOpen_Click();
    void cmdSave_Click();
    void WriteFile();
    void cmdDelete_Click();
    void cmdExit_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void connectHandlers();
    // Closes the window from the program (the close box passes its own mode).
    void unload();
    void foundSchemeName(int index);
    void clearNameBox();
    // False, after telling the user what is wrong, when the name box's text would reach
    // outside the program folder, holds a control or text-direction character, or shows nothing.
    bool isPlainSchemeName(const QString &name);
    std::string schemeFilePath(const QString &name) const;
    // The one message of a failed write or delete: the text, the code and the description.
    static QString problemText(const FileError &error);

    platform::Services &m_services;
    QWidget &m_main;
    UserColourBoxes &m_userColours;
    // The main window's pointer to its loaded scheme window; the main window outlives it.
    QPointer<frmSavetxt> &m_loaded;
    std::unique_ptr<clsFindFile> m_cFindFile;
    QString m_strFoundName;
    QString m_strExtension;
    int m_unloadMode = 0;
};

} // namespace swatchly
