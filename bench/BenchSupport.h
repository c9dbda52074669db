// What the window benchmarks share: a program folder holding a copy of the shipped data, and
// the program's own services on it.
#pragma once

#include "help/ViewerHelpService.h"
#include "platform/services/Services.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace swatchly::bench {

// Copies the shipped data files into a temporary folder and gives windows the production
// services on that program folder, so that a benchmark never writes into the source or build
// tree.
class ShippedDataFolder
{
public:
    ShippedDataFolder()
    {
        const QDir data(QStringLiteral(SWATCHLY_SOURCE_DIR "/data"));
        for (const char *name : { "StartUpColors", "UserDefColors.col", "ListBoxColorNames.txt" })
            QFile::copy(data.filePath(QLatin1String(name)), m_folder.filePath(QLatin1String(name)));
        services.programFolder = m_folder.path();
    }
    ShippedDataFolder(const ShippedDataFolder &) = delete;
    ShippedDataFolder &operator=(const ShippedDataFolder &) = delete;

    QString path() const { return m_folder.path(); }
    operator platform::Services &() { return services; }

private:
    QTemporaryDir m_folder;
    platform::QtMessageBoxes m_boxes;
    platform::QtDialogs m_dialogs { m_boxes };
    platform::DesktopLauncher m_launcher;
    platform::SystemClock m_clock;
    help::ViewerHelpService m_help { m_boxes, m_launcher };
    platform::RealFileSystem m_files;
    platform::RealFolderSearch m_folderSearch;

public:
    platform::Services services { &m_boxes, &m_dialogs, &m_launcher,     &m_clock,
                                  &m_help,  &m_files,   &m_folderSearch, {} };
};

} // namespace swatchly::bench
