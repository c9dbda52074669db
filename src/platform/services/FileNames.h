// File names as the file system holds them, and the way folders and names join into paths.
#pragma once

#include <QString>

#include <string>

namespace swatchly::platform {

// File names are bytes. A name that is UTF-8 becomes its text; any other byte b becomes the
// lone code unit U+DC00 + b, which pathBytes turns back into b, so every name survives the way
// through a text box and back to the file system unchanged. (QFile::decodeName would turn such
// a byte into U+FFFD, and the name would no longer lead back to its file.)
QString pathText(const std::string &bytes);
std::string pathBytes(const QString &text);

// A folder's path ready for a file name to follow: with the platform's separator at its end
// unless it ends in a separator already.
QString withTrailingSeparator(const QString &folder);

} // namespace swatchly::platform
