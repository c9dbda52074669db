#include "platform/Services.h"

#include "platform/Controls.h"
#include "platform/DataFolder.h"
#include "platform/ScreenPicker.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

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
        QColorDialog dialog(owner);
        if (!title.isEmpty())
            dialog.setWindowTitle(title);
        dialog.setOptions(QColorDialog::DontUseNativeDialog);
        dialog.setCurrentColor(toQColor(initial));
        if (screenPickerUsesPortal())
            pickScreenColourThroughPortal(dialog);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        const QColor chosen = dialog.selectedColor();
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

const QStringList &shippedDataFileNames()
{
    static const QStringList names { QStringLiteral("StartUpColors"),
                                     QStringLiteral("UserDefColors.col"),
                                     QStringLiteral("ListBoxColorNames.txt") };
    return names;
}

bool isWritableFolder(const QString &folder)
{
    const std::string path = pathBytes(folder);
    struct stat status
    {
    };
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
        ::access(path.c_str(), W_OK) == 0;
}

namespace {

bool holdsDataFiles(const QString &folder)
{
    return std::any_of(shippedDataFileNames().cbegin(), shippedDataFileNames().cend(),
                       [&folder](const QString &name) {
                           return ::access(pathBytes(folder + QLatin1Char('/') + name).c_str(),
                                           F_OK) == 0;
                       });
}

} // namespace

QString resolveProgramFolder(const QString &executableFolder, const QString &dataLocation,
                             const QStringList &shippedDataFolders,
                             const std::function<bool(const QString &)> &isWritable)
{
    const bool executableFolderHoldsData = holdsDataFiles(executableFolder);
    if (executableFolderHoldsData && isWritable(executableFolder))
        return executableFolder;
    if (dataLocation.isEmpty() || !QDir().mkpath(dataLocation))
        return executableFolder;
    QString target = QDir::cleanPath(dataLocation);

    QStringList sources = shippedDataFolders;
    if (executableFolderHoldsData)
        sources.append(executableFolder);
    const auto source = std::find_if(sources.cbegin(), sources.cend(), holdsDataFiles);
    if (source != sources.cend() && QDir::cleanPath(*source) != target)
        updateDataFolder(*source, target);
    return target;
}

namespace {

// The executable's folder, its bytes kept whatever their encoding.
QString executableFolderText()
{
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length > 0 && static_cast<std::size_t>(length) < sizeof buffer) {
        std::string path(buffer, static_cast<std::size_t>(length));
        const auto slash = path.rfind('/');
        if (slash != std::string::npos)
            return pathText(slash == 0 ? std::string("/") : path.substr(0, slash));
    }
    const QString dir = QCoreApplication::applicationDirPath();
    const QString resolved = QFileInfo(dir).canonicalFilePath();
    return resolved.isEmpty() ? dir : resolved;
}

} // namespace

QString programFolder()
{
    if (!programFolderOverride.isEmpty())
        return programFolderOverride;
    static const QString chosen = [] {
        const QString executableFolder = executableFolderText();

        const QString userData =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        const QString dataLocation =
            userData.isEmpty() ? QString() : userData + QStringLiteral("/swatchly");

        // The installed tree is found beside the executable first, so that a copy installed
        // under any prefix finds its own files; the configured location covers a moved binary.
        QStringList shipped { QDir::cleanPath(executableFolder +
                                              QStringLiteral("/../share/swatchly")) };
#ifdef SWATCHLY_SHIPPED_DATA_DIR
        shipped.append(QStringLiteral(SWATCHLY_SHIPPED_DATA_DIR));
#endif
        return resolveProgramFolder(executableFolder, dataLocation, shipped);
    }();
    return chosen;
}

void setProgramFolder(const QString &folder)
{
    programFolderOverride = folder;
}

QString programFilePath(const QString &fileName)
{
    return QDir::toNativeSeparators(programFolder() + QLatin1Char('/') + fileName);
}

std::string programFileBytes(const QString &fileName)
{
    return pathBytes(programFilePath(fileName));
}

QString pathText(const std::string &bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    const auto byteAt = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned lead = byteAt(i);
        std::size_t length = 0;
        char32_t code = 0;
        char32_t least = 0;
        if (lead < 0x80) {
            length = 1;
            code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1F;
            least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0F;
            least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07;
            least = 0x10000;
        }
        bool valid = length > 0 && i + length <= bytes.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            valid = (byteAt(i + k) & 0xC0) == 0x80;
            code = (code << 6) | (byteAt(i + k) & 0x3F);
        }
        // Overlong forms, surrogates and code points past Unicode's end are not UTF-8.
        valid = valid && code >= least && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        if (!valid) {
            text.append(QChar(static_cast<char16_t>(0xDC00 + lead)));
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            text.append(QChar(QChar::highSurrogate(code)));
            text.append(QChar(QChar::lowSurrogate(code)));
        } else {
            text.append(QChar(static_cast<char16_t>(code)));
        }
        i += length;
    }
    return text;
}

std::string pathBytes(const QString &text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    auto put = [&bytes](unsigned value) { bytes.push_back(static_cast<char>(value)); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text.at(i).unicode();
        if (code >= 0xDC80 && code <= 0xDCFF) {
            put(code - 0xDC00);
            continue;
        }
        if (QChar::isHighSurrogate(code) && i + 1 < text.size() &&
            text.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text.at(i).unicode(), text.at(i + 1).unicode());
            ++i;
        } else if (QChar::isSurrogate(code)) {
            code = 0xFFFD;
        }
        if (code < 0x80) {
            put(code);
        } else if (code < 0x800) {
            put(0xC0 | (code >> 6));
            put(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            put(0xE0 | (code >> 12));
            put(0x80 | ((code >> 6) & 0x3F));
            put(0x80 | (code & 0x3F));
        } else {
            put(0xF0 | (code >> 18));
            put(0x80 | ((code >> 12) & 0x3F));
            put(0x80 | ((code >> 6) & 0x3F));
            put(0x80 | (code & 0x3F));
        }
    }
    return bytes;
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
