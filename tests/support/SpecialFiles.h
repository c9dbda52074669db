// Entries that are not plain files, for tests of the program's file rules: the kinds a user
// (or a mishap) may leave where the program expects one of its files.
#pragma once

#include <QString>

#include <string>

namespace swatchly::test {

// Replaces whatever is at path with kind: "FIFO", "/dev/zero" (a link to it), "folder",
// "dangling link" (to path and ".gone"), or "sparse" (a regular file of a tebibyte, nearly all
// hole).
// False when the file system cannot hold it.
bool placeSpecialFile(const std::string &path, const QString &kind);

} // namespace swatchly::test
