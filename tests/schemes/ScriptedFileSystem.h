// A file system for tests that passes everything on to the real one, records every path it is
// asked for, and fails the operations a test names, with the error the test names.
#pragma once

#include "platform/Files.h"

#include <QStringList>

#include <optional>

namespace swatchly::test {

class ScriptedFileSystem final : public platform::FileSystem
{
public:
    ScriptedFileSystem()
    {
        platform::setFileSystem(nullptr);
        m_real = &platform::files();
        platform::setFileSystem(this);
    }
    ~ScriptedFileSystem() override { platform::setFileSystem(nullptr); }

    // Every path asked for, prefixed with the operation ("in:", "out:", "remove:").
    QStringList requests;
    std::optional<FileError> failOpenForOutput;
    // The field (counted from 1) whose writing fails, with failWrite as its error.
    int failWriteAtField = 0;
    FileError failWrite = fileErrors::PermissionDenied;
    std::optional<FileError> failCommit;
    std::optional<FileError> failRemove;

    std::unique_ptr<platform::InputFile> openForInput(const std::string &path,
                                                      FileError &error) override
    {
        requests.append(QStringLiteral("in:") + QString::fromStdString(path));
        return m_real->openForInput(path, error);
    }

    std::unique_ptr<platform::OutputFile> openForOutput(const std::string &path,
                                                        FileError &error) override
    {
        requests.append(QStringLiteral("out:") + QString::fromStdString(path));
        if (failOpenForOutput) {
            error = *failOpenForOutput;
            return nullptr;
        }
        auto real = m_real->openForOutput(path, error);
        if (!real)
            return nullptr;
        return std::make_unique<Output>(*this, std::move(real));
    }

    bool remove(const std::string &path, FileError &error) override
    {
        requests.append(QStringLiteral("remove:") + QString::fromStdString(path));
        if (failRemove) {
            error = *failRemove;
            return false;
        }
        return m_real->remove(path, error);
    }

private:
    class Output final : public platform::OutputFile
    {
    public:
        Output(ScriptedFileSystem &owner, std::unique_ptr<platform::OutputFile> real)
            : m_owner(owner)
            , m_real(std::move(real))
        { }

        bool writeField(std::string_view text) override
        {
            if (++m_fields == m_owner.failWriteAtField) {
                m_error = m_owner.failWrite;
                return false;
            }
            return m_real->writeField(text);
        }

        bool commit() override
        {
            if (m_owner.failCommit) {
                m_error = *m_owner.failCommit;
                return false;
            }
            return m_real->commit();
        }

        FileError error() const override { return m_error ? *m_error : m_real->error(); }

    private:
        ScriptedFileSystem &m_owner;
        std::unique_ptr<platform::OutputFile> m_real;
        int m_fields = 0;
        std::optional<FileError> m_error;
    };

    platform::FileSystem *m_real = nullptr;
};

} // namespace swatchly::test
