// A file system for tests: it passes everything on to the real one, records what it is asked
// for, and fails the operations a test names with the error the test names.
//
// Every open, read, write, commit (the rename into place) and delete is one step, counted from
// 1 in the order the program takes them. A fault walk runs an operation once without a fault
// to learn its steps, then once for each step with failAtStep set to it. Besides the walk, a
// test may fail the operations of one kind directly (failOpenForOutput, failWriteAtField,
// failCommit, failRemove).
#pragma once

#include "platform/services/Files.h"
#include "platform/services/Services.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace swatchly::test {

class FaultyFileSystem final : public platform::FileSystem
{
public:
    // Takes the place of the file system of services, which it wraps; destroying it puts that
    // one back.
    explicit FaultyFileSystem(platform::Services &services);
    ~FaultyFileSystem() override;
    FaultyFileSystem(const FaultyFileSystem &) = delete;
    FaultyFileSystem &operator=(const FaultyFileSystem &) = delete;

    // Every path asked for, prefixed with the operation ("in:", "out:", "remove:").
    QStringList requests;
    // Every step taken, failed or not: "open in", "read", "open out", "write", "commit",
    // "remove".
    QStringList steps;

    // The step that fails with faultError; 0 fails none.
    int failAtStep = 0;
    FileError faultError = fileErrors::PermissionDenied;

    std::optional<FileError> failOpenForOutput;
    // The field, counted from 1 in each output file, whose writing fails with failWrite.
    int failWriteAtField = 0;
    FileError failWrite = fileErrors::PermissionDenied;
    std::optional<FileError> failCommit;
    std::optional<FileError> failRemove;

    int outputsOpened() const;

    FileResult<std::unique_ptr<platform::InputFile>> openForInput(const std::string &path) override;
    FileResult<std::unique_ptr<platform::OutputFile>>
    openForOutput(const std::string &path) override;
    std::optional<FileError> remove(const std::string &path) override;

private:
    class Input;
    class Output;

    // Records the step and tells whether it is the one to fail.
    bool takeStep(const QString &name);

    platform::Services &m_services;
    platform::FileSystem *m_real;
};

} // namespace swatchly::test
