// The services the windows rely on from the desktop, each behind a small interface.
//
// Each service has a production implementation on Qt and a setter through which tests install
// a double (nullptr puts the production one back). Windows call the free functions below and
// never reach Qt's dialogs, the clipboard or the process launcher directly.
#pragma once

#include "core/Colour.h"

#include <QDateTime>
#include <QFont>
#include <QIcon>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace swatchly::platform {

// The title of every message box that names no title of its own, and of the About box.
inline const QString ApplicationTitle = QStringLiteral("Pigmentor");

enum class Buttons { OK, YesNo };
enum class Icon { None, Information, Exclamation, Question, Critical };
enum class Answer { OK, Yes, No };

struct MessageBoxRequest
{
    QString prompt;
    Buttons buttons = Buttons::OK;
    Icon icon = Icon::None;
    QString title; // the shown title: ApplicationTitle when none was given
    Answer defaultButton = Answer::OK;
};

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual Answer show(QWidget *owner, const MessageBoxRequest &request) = 0;
};
void setMessageBoxes(MessageBoxes *service);

// A modal message box; an empty title shows ApplicationTitle. YesNo boxes default to Yes.
Answer msgBox(const QString &prompt, Buttons buttons = Buttons::OK, Icon icon = Icon::None,
              const QString &title = {}, QWidget *owner = nullptr);
// A Yes/No box whose default button is No, for questions whose Yes gives something up.
Answer msgBoxDefaultNo(const QString &prompt, Icon icon = Icon::None, const QString &title = {},
                       QWidget *owner = nullptr);

// The clipboard, text only. Every writer clears it first and then puts one text.
void clipboardClear();
void clipboardSetText(const QString &text);
QString clipboardText();

// The folder the program keeps its data files in, without a trailing separator; chosen once
// by resolveProgramFolder. Tests point it at a temporary folder.
QString programFolder();
void setProgramFolder(const QString &folder);

// The data files a program folder holds when the program can run from it.
const QStringList &shippedDataFileNames();

// Whether the program may create and replace files in a folder.
bool isWritableFolder(const QString &folder);

// Chooses the program folder. A copy that runs from a writable folder holding its data files
// (the build folder, or a copy unpacked somewhere) keeps using that folder. An installed copy,
// whose executable lies in a folder it cannot write or that holds no data files, uses
// dataLocation instead: created when missing and seeded from the first of shippedDataFolders
// that holds data files (else from the executable's folder when that holds them), and brought
// up to date with it on every start (updateDataFolder): an upgrade's new files reach the user,
// while files the user changed, the colours they stored and their schemes are kept.
// When dataLocation cannot be made, the executable's folder is all there is.
QString
resolveProgramFolder(const QString &executableFolder, const QString &dataLocation,
                     const QStringList &shippedDataFolders,
                     const std::function<bool(const QString &)> &isWritable = isWritableFolder);
// The program folder, the platform's separator and a file name.
QString programFilePath(const QString &fileName);
// The same path as the bytes handed to the file system.
std::string programFileBytes(const QString &fileName);

// File names are bytes. A name that is UTF-8 becomes its text; any other byte b becomes the
// lone code unit U+DC00 + b, which pathBytes turns back into b, so every name survives the way
// through a text box and back to the file system unchanged.
QString pathText(const std::string &bytes);
std::string pathBytes(const QString &text);

// The current date and time; tests fix the clock.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() = 0;
};
void setClock(Clock *clock);
QDateTime now();

// Starting other programs and handing links to the desktop.
class Launcher
{
public:
    virtual ~Launcher() = default;
    // Starts a program by path without waiting; the task id, 0 when nothing started.
    virtual qint64 startProgram(const QString &path) = 0;
    // Hands a link to the system's handler; false when nothing took it.
    virtual bool openUrl(const QUrl &url) = 0;
};
void setLauncher(Launcher *launcher);
qint64 startProgram(const QString &path);
bool openUrl(const QUrl &url);

// The modal common dialogs and the About box.
struct FontChoice
{
    QString name;
    double size = 0;
};

class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // The chosen colour, or nothing on Cancel.
    virtual std::optional<ColourValue> chooseColour(QWidget *owner, ColourValue initial,
                                                    const QString &title) = 0;
    // The chosen face and size, or nothing on Cancel.
    virtual std::optional<FontChoice> chooseFont(QWidget *owner, const FontChoice &initial) = 0;
    virtual void showAbout(QWidget *owner, const QString &title, const QString &text,
                           const QIcon &icon) = 0;
};
void setDialogs(Dialogs *dialogs);
Dialogs &dialogs();

} // namespace swatchly::platform
