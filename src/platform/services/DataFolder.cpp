#include "platform/services/DataFolder.h"

#include "platform/services/ProgramFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSaveFile>

namespace swatchly::platform {

namespace {

using Checksums = QHash<QString, QByteArray>;

QByteArray checksum(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return {};
    return hash.result().toHex();
}

Checksums readRecord(const QDir &folder)
{
    Checksums record;
    QFile file(folder.filePath(ShippedFilesRecord));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return record;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        const qsizetype gap = line.indexOf("  ");
        if (gap > 0)
            record.insert(QString::fromUtf8(line.mid(gap + 2)), line.left(gap));
    }
    return record;
}

bool writeRecord(const QDir &folder, const Checksums &record)
{
    QStringList names = record.keys();
    names.sort();
    QSaveFile file(folder.filePath(ShippedFilesRecord));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    for (const QString &name : names)
        file.write(record.value(name) + "  " + name.toUtf8() + '\n');
    return file.commit();
}

// The copies are the user's own: installed files are read-only for the user.
void makeUsersOwn(const QString &path)
{
    QFile::setPermissions(path,
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                              QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
}

// Replaces destination with source's bytes in one step, so that a failure leaves the old file.
bool replaceWith(const QString &source, const QString &destination)
{
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly))
        return false;
    QSaveFile to(destination);
    if (!to.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = from.readAll();
    if (from.error() != QFile::NoError || to.write(bytes) != bytes.size())
        return false;
    return to.commit();
}

// Only the data files and the help file are the program's to bring: the folder may hold the
// executable and anything else besides.
bool isShippedFile(const QString &name)
{
    return shippedDataFileNames().contains(name) || name == QLatin1String("swatchly.chm");
}

bool isUsersColours(const QString &name)
{
    return name.endsWith(QLatin1String(".col"), Qt::CaseInsensitive);
}

} // namespace

void updateDataFolder(const QString &source, const QString &target)
{
    const QDir from(source);
    const QDir to(target);
    Checksums record = readRecord(to);
    bool recordChanged = false;
    for (const QFileInfo &file : from.entryInfoList(QDir::Files | QDir::Readable)) {
        const QString name = file.fileName();
        if (!isShippedFile(name))
            continue;
        const QString destination = to.filePath(name);
        const QByteArray shipped = checksum(file.filePath());
        if (shipped.isEmpty())
            continue;
        if (!QFileInfo::exists(destination)) {
            if (!QFile::copy(file.filePath(), destination))
                continue;
            makeUsersOwn(destination);
        } else if (isUsersColours(name)) {
            continue;
        } else {
            const QByteArray held = checksum(destination);
            // A folder seeded before the record was kept has no entry: only a copy equal to
            // the shipped file is known to be unchanged.
            if (held != shipped) {
                if (held.isEmpty() || held != record.value(name) ||
                    !replaceWith(file.filePath(), destination))
                    continue;
            }
        }
        if (record.value(name) != shipped) {
            record.insert(name, shipped);
            recordChanged = true;
        }
    }
    if (recordChanged)
        writeRecord(to, record);
}

} // namespace swatchly::platform
