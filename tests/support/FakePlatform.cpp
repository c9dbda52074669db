#include "support/FakePlatform.h"

#include <QDir>
#include <QFile>

namespace swatchly::test {

FakePlatform::FakePlatform()
    : services { this, this, this, this, this, &m_files, &m_folderSearch, {} }
{
    services.programFolder = m_folder.path();
}

QString FakePlatform::path(const QString &fileName) const
{
    return m_folder.filePath(fileName);
}

void FakePlatform::copyShippedData()
{
    const QDir data(QStringLiteral(SWATCHLY_SOURCE_DIR "/data"));
    for (const char *name : { "StartUpColors", "UserDefColors.col", "ListBoxColorNames.txt" }) {
        QFile::remove(path(QLatin1String(name)));
        QFile::copy(data.filePath(QLatin1String(name)), path(QLatin1String(name)));
        QFile::setPermissions(path(QLatin1String(name)),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                  QFile::WriteUser);
    }
}

void FakePlatform::writeFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(path(fileName));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray FakePlatform::readFile(const QString &fileName) const
{
    QFile file(path(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool FakePlatform::exists(const QString &fileName) const
{
    return QFile::exists(path(fileName));
}

platform::Answer FakePlatform::show(QWidget *, const platform::MessageBoxRequest &request)
{
    shown.append(request);
    if (onMessageBox)
        onMessageBox(request);
    if (request.buttons == platform::Buttons::OK)
        return platform::Answer::OK;
    if (answers.empty())
        return platform::Answer::Yes;
    const platform::Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

qint64 FakePlatform::startProgram(const QString &path)
{
    startedPrograms.append(path);
    return nextTaskId;
}

bool FakePlatform::openUrl(const QUrl &url)
{
    openedUrls.append(url);
    return true;
}

std::optional<ColourValue> FakePlatform::chooseColour(QWidget *, ColourValue initial,
                                                      const QString &title)
{
    colourRequests.append({ initial, title });
    return colourAnswer;
}

std::optional<platform::FontChoice> FakePlatform::chooseFont(QWidget *,
                                                             const platform::FontChoice &initial)
{
    fontRequests.append(initial);
    return fontAnswer;
}

void FakePlatform::showAbout(QWidget *owner, const QString &title, const QString &text,
                             const QIcon &icon)
{
    aboutRequests.append({ owner, title, text, !icon.isNull() });
}

} // namespace swatchly::test
