#include "platform/services/DataFolder.h"

#include "platform/services/FileNames.h"
#include "platform/services/ProgramFolder.h"
#include "platform/services/ReplacingFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QHash>

#include <cerrno>
#include <sys/stat.h>

namespace swatchly::platform {

namespace {

using Checksums = QHash<QString, QByteArray>;

std::string pathIn(const QString &folder, const QString &name)
{
    return pathBytes(folder + QLatin1Char('/') + name);
}

QByteArray checksum(const std::string &bytes)
{
    return QCryptographicHash::hash(QByteArrayView(bytes.data(), qsizetype(bytes.size())),
                                    QCryptographicHash::Sha256)
        .toHex();
}

Checksums readRecord(const QString &folder)
{
    Checksums record;
    // A record that is not the regular file the program wrote is no record: the files it
    // would vouch for are kept as the user's own.
    const auto bytes = readRegularFile(pathIn(folder, ShippedFilesRecord), Links::Refuse);
    if (!bytes)
        return record;
    for (const QByteArray &text : QByteArray::fromStdString(*bytes).split('\n')) {
        const QByteArray line = text.trimmed();
        const qsizetype gap = line.indexOf("  ");
        if (gap > 0)
            record.insert(QString::fromUtf8(line.mid(gap + 2)), line.left(gap));
    }
    return record;
}

// Puts a new regular file holding bytes under name in folder, in one step. The old entry of
// that name, whatever it is (a file, a link, a FIFO), is replaced, never written through.
bool putFile(const QString &folder, const QString &name, const std::string &bytes)
{
    const auto file = openReplacing(pathIn(folder, name), Links::Refuse);
    return file && (*file)->writeBytes(bytes) && (*file)->commit();
}

bool writeRecord(const QString &folder, const Checksums &record)
{
    QStringList names = record.keys();
    names.sort();
    QByteArray text;
    for (const QString &name : names)
        text += record.value(name) + "  " + name.toUtf8() + '\n';
    return putFile(folder, ShippedFilesRecord, text.toStdString());
}

// Only the data files and the help file are the program's to bring: the folder may hold the
// executable and anything else besides.
QStringList shippedFileNames()
{
    return shippedDataFileNames() + QStringList { QStringLiteral("swatchly.chm") };
}

} // namespace

void updateDataFolder(const QString &source, const QString &target)
{
    Checksums record = readRecord(target);
    // A link, FIFO or device in the record's place gives way to the record.
    struct stat recordStatus
    {
    };
    bool recordChanged = ::lstat(pathIn(target, ShippedFilesRecord).c_str(), &recordStatus) == 0 &&
        !S_ISREG(recordStatus.st_mode) && !S_ISDIR(recordStatus.st_mode);
    for (const QString &name : shippedFileNames()) {
        const auto shippedBytes = readRegularFile(pathIn(source, name), Links::Follow);
        if (!shippedBytes)
            continue;
        const QByteArray shipped = checksum(*shippedBytes);
        struct stat held
        {
        };
        if (::lstat(pathIn(target, name).c_str(), &held) != 0) {
            if (errno != ENOENT || !putFile(target, name, *shippedBytes))
                continue;
        } else if (name.endsWith(QLatin1String(".col"), Qt::CaseInsensitive) ||
                   !S_ISREG(held.st_mode)) {
            // The user's colours are theirs. A link, FIFO, device or folder in the place of a
            // copy is the user's doing, and a link is the user's choice: neither is followed nor
            // replaced.
            continue;
        } else {
            const auto heldBytes = readRegularFile(pathIn(target, name), Links::Refuse);
            const QByteArray heldSum = heldBytes ? checksum(*heldBytes) : QByteArray();
            // A folder seeded before the record was kept has no entry: only a copy equal to
            // the shipped file is known to be unchanged.
            if (heldSum != shipped) {
                if (heldSum.isEmpty() || heldSum != record.value(name) ||
                    !putFile(target, name, *shippedBytes))
                    continue;
            }
        }
        if (record.value(name) != shipped) {
            record.insert(name, shipped);
            recordChanged = true;
        }
    }
    if (recordChanged)
        writeRecord(target, record);
}

} // namespace swatchly::platform
