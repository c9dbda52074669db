#include "platform/services/ProgramFolder.h"

#include "platform/services/DataFolder.h"
#include "platform/services/FileNames.h"
#include "platform/services/Services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace swatchly::platform {

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

QString chooseProgramFolder()
{
    const QString executableFolder = executableFolderText();

    const QString userData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
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
}

QString Services::programFilePath(const QString &fileName) const
{
    return QDir::toNativeSeparators(programFolder + QLatin1Char('/') + fileName);
}

std::string Services::programFileBytes(const QString &fileName) const
{
    return pathBytes(programFilePath(fileName));
}

} // namespace swatchly::platform
