// Keeping an installed copy's data folder in step with the files the installed version ships.
#pragma once

#include <QString>

namespace swatchly::platform {

// The record, in the data folder, of the shipped files it was given: one "checksum  name" line
// per file (sha256sum's format), the checksum of the shipped file as it was copied there.
inline const QString ShippedFilesRecord = QStringLiteral(".shipped.sha256");

// Brings the data folder target up to date with the shipped files in source. A file target
// lacks is copied. A file it holds is replaced by a newer shipped version only while it is
// still the copy the record names, so a file the user changed is kept; the Users Special
// Colors and the colour schemes (".col") are never replaced. Failures leave the file as it was.
// Files are read by the program's one set of rules (regular files only, never waiting, read
// to a bound); what is not a regular file in target (a link, a FIFO, a device) is left alone,
// except the record, which is the program's own and is replaced by a regular file, never
// written through.
void updateDataFolder(const QString &source, const QString &target);

} // namespace swatchly::platform
