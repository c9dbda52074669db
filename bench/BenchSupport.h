// What the window benchmarks share: a program folder holding a copy of the shipped data.
#pragma once

#include "platform/services/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace swatchly::bench {

// Copies the shipped data files into a temporary folder and makes it the program folder for
// as long as it lives, so that a benchmark never writes into the source or build tree.
class ShippedDataFolder
{
public:
    ShippedDataFolder()
    {
        const QDir data(QStringLiteral(SWATCHLY_SOURCE_DIR "/data"));
        for (const char *name : { "StartUpColors", "UserDefColors.col", "ListBoxColorNames.txt" })
            QFile::copy(data.filePath(QLatin1String(name)), m_folder.filePath(QLatin1String(name)));
        platform::setProgramFolder(m_folder.path());
    }
    ~ShippedDataFolder() { platform::setProgramFolder({}); }
    ShippedDataFolder(const ShippedDataFolder &) = delete;
    ShippedDataFolder &operator=(const ShippedDataFolder &) = delete;

    QString path() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
};

} // namespace swatchly::bench
