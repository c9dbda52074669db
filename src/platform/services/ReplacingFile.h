// The one writer of files that replace the user's data or the program's own records, and the
// clean-up of what a killed write leaves.
#pragma once

#include "platform/services/Files.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace swatchly::platform {

// Writes a file that replaces the one at path, keeping the promises of Files.h: the bytes go to a
// new temporary file beside it and reach the disk before commit() renames it into place; a
// write that fails, or a file dropped without commit(), leaves the old file as it was.
// (QSaveFile does most of this, but it always writes through a link, which the program's own
// records must not, and it reaches the file by a QString, which a name that is not UTF-8 does
// not survive: see FileNames.h.)
class ReplacingFile final : public OutputFile
{
public:
    ReplacingFile(std::string path, std::string temporaryPath, int fd);
    ~ReplacingFile() override;
    ReplacingFile(const ReplacingFile &) = delete;
    ReplacingFile &operator=(const ReplacingFile &) = delete;

    bool writeField(std::string_view text) override;
    // Bytes as they are, not a field.
    bool writeBytes(std::string_view bytes);
    void keepOldFileAs(const std::string &copyPath) override { m_copyPath = copyPath; }
    bool commit() override;
    FileError error() const override { return m_error; }

private:
    void fail(const FileError &error);

    std::string m_path;
    std::string m_temporaryPath;
    std::string m_copyPath;
    int m_fd;
    FileError m_error;
    bool m_failed = false;
    bool m_committed = false;
};

// Every file that replaces the user's data or the program's records is written by this. With
// Links::Follow (the user's files) a link is written through to its target and only a regular
// file that may be written is replaced. With Links::Refuse (the program's own records) the
// entry of that name itself, whatever it is, gives way to a new regular file, never written
// through, readable by all and writable by the user.
FileResult<std::unique_ptr<ReplacingFile>> openReplacing(const std::string &name, Links links);

// Why the program must leave an existing entry at path alone, if it must: only regular files
// that may be written are replaced or deleted. A missing entry is no reason.
std::optional<FileError> untouchable(const std::string &path);

// Removes the temporary files that saves killed before their end left in folder: regular files
// named by the file layer's own temporary-name pattern, at least LeftoverAge seconds old.
inline constexpr long LeftoverAge = 120;
void removeSaveLeftovers(const std::string &folder);

} // namespace swatchly::platform
