// A failure of the file layer: a code in the classic BASIC numbering and its description.
#pragma once

#include <string>

namespace swatchly {

struct FileError
{
    int code = 0;
    std::string description;

    friend bool operator==(const FileError &, const FileError &) = default;
};

namespace fileErrors {
inline const FileError TypeMismatch { 13, "Type mismatch" };
inline const FileError FileNotFound { 53, "File not found" };
inline const FileError DiskFull { 61, "Disk full" };
inline const FileError InputPastEndOfFile { 62, "Input past end of file" };
inline const FileError PermissionDenied { 70, "Permission denied" };
inline const FileError PathFileAccessError { 75, "Path/File access error" };
} // namespace fileErrors

} // namespace swatchly
