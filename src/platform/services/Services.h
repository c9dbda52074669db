// The services a window reaches the system through: message boxes, the common dialogs, started
// programs and opened links, the clock, the help, the files, folder searches and the program
// folder.
//
// main.cpp builds the production services once and hands them to the main window, which hands
// them to the windows it opens; a window keeps a reference, so the object outlives its windows.
// Tests hand in their doubles (tests/support/FakePlatform) and may swap one service while a
// window is open (tests/support/FaultyFileSystem). Code that needs one service only is given
// that one.
#pragma once

#include "platform/services/Clock.h"
#include "platform/services/Dialogs.h"
#include "platform/services/Files.h"
#include "platform/services/FolderSearch.h"
#include "platform/services/Help.h"
#include "platform/services/Launcher.h"
#include "platform/services/MessageBoxes.h"

#include <QString>

#include <string>

namespace swatchly::platform {

struct Services
{
    MessageBoxes *messageBoxes = nullptr;
    Dialogs *dialogs = nullptr;
    Launcher *launcher = nullptr;
    Clock *clock = nullptr;
    HelpService *help = nullptr;
    FileSystem *files = nullptr;
    FolderSearch *folderSearch = nullptr;
    // The folder the program keeps its data files in, without a trailing separator
    // (chooseProgramFolder in ProgramFolder.h).
    QString programFolder;

    // The program folder, the platform's separator and a file name.
    QString programFilePath(const QString &fileName) const;
    // The same path as the bytes handed to the file system.
    std::string programFileBytes(const QString &fileName) const;
};

} // namespace swatchly::platform
