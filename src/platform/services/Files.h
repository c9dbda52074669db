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

// The file system itself, by the rules above.
class RealFileSystem final : public FileSystem
{
public:
    FileResult<std::unique_ptr<InputFile>> openForInput(const std::string &path) override;
    FileResult<std::unique_ptr<OutputFile>> openForOutput(const std::string &path) override;
    std::optional<FileError> remove(const std::string &path) override;
};

// Fields read from any source of bytes: an open file, or text held in memory.
std::unique_ptr<InputFile> inputFileReading(std::unique_ptr<ByteSource> source);

// Every file the program reads is opened by these rules: without waiting, and only when it is
// a regular file (a FIFO, device, socket or folder fails at once: 75). With Links::Refuse a
// symbolic link fails too: the program's own records are read only from files it wrote.
enum class Links { Follow, Refuse };
// The descriptor of the open file.
FileResult<int> openRegularFile(const std::string &path, Links links);

// No file the program reads is longer than this (the data files are a few kilobytes, the help
// file a few hundred): reading stops there, so a file that never ends costs no more.
inline constexpr std::size_t LargestFileRead = std::size_t { 64 } << 20;
// A whole regular file of at most LargestFileRead bytes; a longer one fails (75).
FileResult<std::string> readRegularFile(const std::string &path, Links links);

// The file error for an errno value of a failed open, write, rename or delete.
FileError fileErrorFromErrno(int errorNumber);

} // namespace swatchly::platform
