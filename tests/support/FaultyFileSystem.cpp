#include "support/FaultyFileSystem.h"

namespace swatchly::test {

class FaultyFileSystem::Input final : public platform::InputFile
{
public:
    Input(FaultyFileSystem &owner, std::unique_ptr<platform::InputFile> real)
        : m_owner(owner)
        , m_real(std::move(real))
    { }

    bool atEnd() override { return m_real->atEnd(); }

    std::optional<std::string> readField() override
    {
        if (m_owner.takeStep(QStringLiteral("read"))) {
            m_error = m_owner.faultError;
            return std::nullopt;
        }
        m_error.reset();
        return m_real->readField();
    }

    FileError error() const override { return m_error ? *m_error : m_real->error(); }

private:
    FaultyFileSystem &m_owner;
    std::unique_ptr<platform::InputFile> m_real;
    std::optional<FileError> m_error;
};

// A failed write or commit is not passed on, so that a program that went on regardless would
// put a file short of a record in place, and the test would see it.
class FaultyFileSystem::Output final : public platform::OutputFile
{
public:
    Output(FaultyFileSystem &owner, std::unique_ptr<platform::OutputFile> real)
        : m_owner(owner)
        , m_real(std::move(real))
    { }

    bool writeField(std::string_view text) override
    {
        const bool fault = m_owner.takeStep(QStringLiteral("write"));
        if (fault || ++m_fields == m_owner.failWriteAtField) {
            m_error = fault ? m_owner.faultError : m_owner.failWrite;
            return false;
        }
        return m_real->writeField(text);
    }

    bool commit() override
    {
        const bool fault = m_owner.takeStep(QStringLiteral("commit"));
        if (fault || m_owner.failCommit) {
            m_error = fault ? m_owner.faultError : *m_owner.failCommit;
            return false;
        }
        return m_real->commit();
    }

    void keepOldFileAs(const std::string &copyPath) override { m_real->keepOldFileAs(copyPath); }

    FileError error() const override { return m_error ? *m_error : m_real->error(); }

private:
    FaultyFileSystem &m_owner;
    std::unique_ptr<platform::OutputFile> m_real;
    int m_fields = 0;
    std::optional<FileError> m_error;
};

FaultyFileSystem::FaultyFileSystem(platform::Services &services)
    : m_services(services)
    , m_real(services.files)
{
    services.files = this;
}

FaultyFileSystem::~FaultyFileSystem()
{
    m_services.files = m_real;
}

int FaultyFileSystem::outputsOpened() const
{
    return int(steps.count(QStringLiteral("open out")));
}

bool FaultyFileSystem::takeStep(const QString &name)
{
    steps.append(name);
    return steps.size() == failAtStep;
}

FileResult<std::unique_ptr<platform::InputFile>>
FaultyFileSystem::openForInput(const std::string &path)
{
    requests.append(QStringLiteral("in:") + QString::fromStdString(path));
    if (takeStep(QStringLiteral("open in")))
        return faultError;
    auto real = m_real->openForInput(path);
    if (!real)
        return real.error();
    return std::make_unique<Input>(*this, std::move(*real));
}

FileResult<std::unique_ptr<platform::OutputFile>>
FaultyFileSystem::openForOutput(const std::string &path)
{
    requests.append(QStringLiteral("out:") + QString::fromStdString(path));
    const bool fault = takeStep(QStringLiteral("open out"));
    if (fault || failOpenForOutput)
        return fault ? faultError : *failOpenForOutput;
    auto real = m_real->openForOutput(path);
    if (!real)
        return real.error();
    return std::make_unique<Output>(*this, std::move(*real));
}

std::optional<FileError> FaultyFileSystem::remove(const std::string &path)
{
    requests.append(QStringLiteral("remove:") + QString::fromStdString(path));
    const bool fault = takeStep(QStringLiteral("remove"));
    if (fault || failRemove)
        return fault ? faultError : *failRemove;
    return m_real->remove(path);
}

} // namespace swatchly::test
