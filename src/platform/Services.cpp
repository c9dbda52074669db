#include "platform/Services.h"

#include "platform/Controls.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QProcess>

namespace swatchly::platform {

namespace {

class QtMessageBoxes final : public MessageBoxes
{
public:
    Answer show(QWidget *owner, const MessageBoxRequest &request) override
    {
        QMessageBox box(owner ? owner : QApplication::activeWindow());
        box.setWindowTitle(request.title);
        box.setText(request.prompt);
        switch (request.icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        }
        if (request.buttons == Buttons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(request.defaultButton == Answer::No ? QMessageBox::No
                                                                     : QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::No);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
        }
        const int result = box.exec();
        if (request.buttons == Buttons::OK)
            return Answer::OK;
        return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
};

class SystemClock final : public Clock
{
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
};

class DesktopLauncher final : public Launcher
{
public:
    qint64 startProgram(const QString &path) override
    {
        const QFileInfo info(path);
        if (!info.isFile() || !info.isExecutable())
            return 0;
        qint64 pid = 0;
        if (!QProcess::startDetached(path, {}, {}, &pid))
            return 0;
        return pid;
    }

    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }
};

class QtDialogs final : public Dialogs
{
public:
    std::optional<ColourValue> chooseColour(QWidget *owner, ColourValue initial,
                                            const QString &title) override
    {
        // Qt's own dialog everywhere: its screen picker takes a colour from anywhere on the
        // screen, which the native dialogs cannot.
        const QColor chosen = QColorDialog::getColor(toQColor(initial), owner, title,
                                                     QColorDialog::DontUseNativeDialog);
        if (!chosen.isValid())
            return std::nullopt;
        return RGB(chosen.red(), chosen.green(), chosen.blue());
    }

    std::optional<FontChoice> chooseFont(QWidget *owner, const FontChoice &initial) override
    {
        bool ok = false;
        QFont start(initial.name);
        if (initial.size > 0)
            start.setPointSizeF(initial.size);
        const QFont chosen = QFontDialog::getFont(&ok, start, owner);
        if (!ok)
            return std::nullopt;
        return FontChoice { chosen.family(), chosen.pointSizeF() };
    }

    void showAbout(QWidget *owner, const QString &title, const QString &text,
                   const QIcon &icon) override
    {
        QMessageBox box(owner);
        box.setWindowTitle(title);
        box.setText(text);
        box.setIconPixmap(icon.pixmap(48, 48));
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    }
};

QtMessageBoxes productionMessageBoxes;
SystemClock systemClock;
DesktopLauncher desktopLauncher;
QtDialogs qtDialogs;

MessageBoxes *currentMessageBoxes = &productionMessageBoxes;
Clock *currentClock = &systemClock;
Launcher *currentLauncher = &desktopLauncher;
Dialogs *currentDialogs = &qtDialogs;
QString programFolderOverride;

} // namespace

void setMessageBoxes(MessageBoxes *service)
{
    currentMessageBoxes = service ? service : &productionMessageBoxes;
}

Answer msgBox(const QString &prompt, Buttons buttons, Icon icon, const QString &title,
              QWidget *owner)
{
    MessageBoxRequest request;
    request.prompt = prompt;
    request.buttons = buttons;
    request.icon = icon;
    request.title = title.isEmpty() ? ApplicationTitle : title;
    request.defaultButton = buttons == Buttons::YesNo ? Answer::Yes : Answer::OK;
    return currentMessageBoxes->show(owner, request);
}

Answer msgBoxDefaultNo(const QString &prompt, Icon icon, const QString &title, QWidget *owner)
{
    MessageBoxRequest request;
    request.prompt = prompt;
    request.buttons = Buttons::YesNo;
    request.icon = icon;
    request.title = title.isEmpty() ? ApplicationTitle : title;
    request.defaultButton = Answer::No;
    return currentMessageBoxes->show(owner, request);
}

void clipboardClear()
{
    QGuiApplication::clipboard()->clear();
}

void clipboardSetText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

QString programFolder()
{
    if (!programFolderOverride.isEmpty())
        return programFolderOverride;
    const QString dir = QCoreApplication::applicationDirPath();
    const QString resolved = QFileInfo(dir).canonicalFilePath();
    return resolved.isEmpty() ? dir : resolved;
}

void setProgramFolder(const QString &folder)
{
    programFolderOverride = folder;
}

QString programFilePath(const QString &fileName)
{
    return QDir::toNativeSeparators(programFolder() + QLatin1Char('/') + fileName);
}

void setClock(Clock *clock)
{
    currentClock = clock ? clock : &systemClock;
}

QDateTime now()
{
    return currentClock->now();
}

void setLauncher(Launcher *launcher)
{
    currentLauncher = launcher ? launcher : &desktopLauncher;
}

qint64 startProgram(const QString &path)
{
    return currentLauncher->startProgram(path);
}

bool openUrl(const QUrl &url)
{
    return currentLauncher->openUrl(url);
}

void setDialogs(Dialogs *dialogs)
{
    currentDialogs = dialogs ? dialogs : &qtDialogs;
}

Dialogs &dialogs()
{
    return *currentDialogs;
}

} // namespace swatchly::platform
