// The program folder: the folder the program keeps its data files in, and the paths of the files
// in it.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <string>

namespace swatchly::platform {

// The folder this program keeps its data files in, without a trailing separator, chosen by
// resolveProgramFolder for the executable's folder and the user's data location. main.cpp asks
// once and hands it to the windows (Services); tests give them a temporary folder.
QString chooseProgramFolder();

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

} // namespace swatchly::platform
