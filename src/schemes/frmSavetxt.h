// The scheme file window: export the Users Special Colors (which the main window lends it
// through UserColourBoxes) to a named scheme file, import one into them, or delete one.
//
// The window is opened by the main window's Import and Export commands through open(), which
// loads a fresh window (loading lists the program folder's ".col" files in the name box),
// chooses the mode and hides the main window. Every closing unloads the window and shows the
// main window again, so the list always reflects the folder as it was at the opening.
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
#include "schemes/UserColourBoxes.h"
#include "schemes/clsFindFile.h"
#include "widgets/TypeAheadCombo.h"

#include <QWidget>

#include <array>
#include <concepts>
#include <memory>

namespace swatchly {

// A main window that holds the Users Special Colors itself, as the colour chart window does.
template<typename Window>
concept MainWindowWithUserColours =
    std::derived_from<Window, QWidget> && std::derived_from<Window, UserColourBoxes>;

class frmSavetxt : public QWidget
{
    Q_OBJECT
public:
    // Builds and loads the window (Form_Load) for mainWindow, whose Users Special Colors
    // userColours are; open() is the usual way in.
    frmSavetxt(QWidget &mainWindow, UserColourBoxes &userColours);
    template<MainWindowWithUserColours MainWindow>
    explicit frmSavetxt(MainWindow &mainWindow)
        : frmSavetxt(static_cast<QWidget &>(mainWindow), static_cast<UserColourBoxes &>(mainWindow))
    { }
    ~frmSavetxt() override;

    // Shows the window (loading it first when it is not loaded), chooses optOpenSave(option)
    // and hides the main window.
    static frmSavetxt *open(QWidget &mainWindow, UserColourBoxes &userColours, int option);
    template<MainWindowWithUserColours MainWindow>
    static frmSavetxt *open(MainWindow &mainWindow, int option)
    {
        return open(mainWindow, mainWindow, option);
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

    QWidget &m_main;
    UserColourBoxes &m_userColours;
    std::unique_ptr<clsFindFile> m_cFindFile;
    QString m_strFoundName;
    QString m_strExtension;
    int m_unloadMode = 0;
};

} // namespace swatchly
