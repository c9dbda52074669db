// Sequential text files: open for reading or writing, read the next field, write a field with
// its line end, end-of-file test, close, delete. Failures are values: a code and a
// description in the classic BASIC numbering (53 "File not found", 61 "Disk full", 62 "Input
// past end of file", 70 "Permission denied", 75 "Path/File access error", 13 "Type mismatch").
//
// A file opened for writing replaces a file that may hold the user's colours, so it is
// written beside it under a temporary name and renamed into place by commit(); a write that
// fails, or a file dropped without commit(), leaves the old file as it was.
//
// Only regular files are opened, and opening never waits: a FIFO, device, socket or folder in
// the place of a file fails at once (75). A file without write permission (made read-only by
// the user) is neither replaced nor deleted (70).
//
// A symbolic link is the user's choice of where a file lives: writing to its name replaces the
// file it leads to (the temporary file goes beside that file), and the link stays; deleting it
// removes the link and leaves what it leads to. A link that leads nowhere cannot be written
// (53).
#pragma once

#include "core/Fields.h"
#include "core/FileError.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace swatchly::platform {

class InputFile : public FieldInput
{
public:
    virtual bool atEnd() = 0;
};

class OutputFile : public FieldOutput
{
public:
    // Finishes the file and puts it in place of the old one.
    virtual bool commit() = 0;
    // Has commit() first keep a copy of the file it replaces, byte for byte, at copyPath
    // (itself replaced as by a write); a failed copy fails the commit and keeps the old file.
    virtual void keepOldFileAs(const std::string &copyPath) = 0;
};

class FileSystem
{
public:
    virtual ~FileSystem() = default;
    virtual FileResult<std::unique_ptr<InputFile>> openForInput(const std::string &path) = 0;
    virtual FileResult<std::unique_ptr<OutputFile>> openForOutput(const std::string &path) = 0;
    // Nothing when the file is gone.
    virtual std::optional<FileError> remove(const std::string &path) = 0;
};

// Fields read from any source of bytes: an open file, or text held in memory.
std::unique_ptr<InputFile> inputFileReading(std::unique_ptr<ByteSource> source);

// The file system in use; tests may install one that fails on purpose (nullptr restores the
// real one).
FileSystem &files();
void setFileSystem(FileSystem *fileSystem);

// The lock of a folder, held while the object lives: copies of the program that share the
// folder take turns under it (an advisory lock on the file .swatchly.lock in the folder, removed
// when released). The lock of a copy that died holding it is taken over.
class FolderLock
{
public:
    virtual ~FolderLock() = default;
};

// How long lockFolder waits for a lock that another living copy holds.
inline constexpr std::chrono::milliseconds FolderLockWait { 3000 };
// What a lock not had within FolderLockWait fails with.
inline const FileError FolderLocked { 70, "Locked by another copy of the program" };

// Takes the lock of folder, waiting up to wait for it.
FileResult<std::unique_ptr<FolderLock>> lockFolder(const std::string &folder,
                                                   std::chrono::milliseconds wait = FolderLockWait);

// Removes the temporary files that saves killed before their end left in folder: regular files
// named by the file layer's own temporary-name pattern, at least LeftoverAge seconds old.
inline constexpr long LeftoverAge = 120;
void removeSaveLeftovers(const std::string &folder);

// Every file the program reads is opened by these rules: without waiting, and only when it is
// a regular file (a FIFO, device, socket or folder fails at once: 75). With Links::Refuse a
// symbolic link fails too: the program's own records are read only from files it wrote.
enum class Links { Follow, Refuse };
// The descriptor of the open file.
FileResult<int> openRegularFile(const std::string &path, Links links);

// Writes a file that replaces the one at path, keeping the promises above: the bytes go to a
// new temporary file beside it and reach the disk before commit() renames it into place; a
// write that fails, or a file dropped without commit(), leaves the old file as it was.
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
    void keepOldFileAs(const std::string &copyPath) override;
    bool commit() override;
    FileError error() const override;

private:
    // Copies the regular file at from to to, through a writer of its own.
    static std::optional<FileError> copyFile(const std::string &from, const std::string &to);
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
// entry at path itself, whatever it is, gives way to a new regular file, never written through,
// readable by all and writable by the user.
FileResult<std::unique_ptr<ReplacingFile>> openReplacing(const std::string &path, Links links);

// No file the program reads is longer than this (the data files are a few kilobytes, the help
// file a few hundred): reading stops there, so a file that never ends costs no more.
inline constexpr std::size_t LargestFileRead = std::size_t { 64 } << 20;
// A whole regular file of at most LargestFileRead bytes; a longer one fails (75).
FileResult<std::string> readRegularFile(const std::string &path, Links links);

// The file error for an errno value of a failed open, write, rename or delete.
FileError fileErrorFromErrno(int errorNumber);

} // namespace swatchly::platform
