// Test doubles for the platform services, handed to a window as its services
// (`frmTintora window(fake);`). The program folder is a fresh temporary folder, and the files
// and folder searches are the real ones (a test may swap in its own: FaultyFileSystem). Message
// boxes answer from a script and are all recorded.
#pragma once

#include "platform/services/Services.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <optional>

namespace swatchly::test {

class FakePlatform final : public platform::MessageBoxes,
                           public platform::Launcher,
                           public platform::Dialogs,
                           public platform::Clock,
                           public platform::HelpService
{
public:
    FakePlatform();
    FakePlatform(const FakePlatform &) = delete;
    FakePlatform &operator=(const FakePlatform &) = delete;

    // The doubles, the real files and folder searches, and the temporary program folder.
    platform::Services services;
    operator platform::Services &() { return services; }

    QString folder() const { return m_folder.path(); }
    QString path(const QString &fileName) const;
    // Copies the shipped StartUpColors, UserDefColors.col and ListBoxColorNames.txt.
    void copyShippedData();
    void writeFile(const QString &fileName, const QByteArray &bytes);
    QByteArray readFile(const QString &fileName) const;
    bool exists(const QString &fileName) const;

    // Message boxes: answers are taken from the front; when none is left, a Yes/No box is
    // answered Yes and an OK box OK.
    std::deque<platform::Answer> answers;
    QList<platform::MessageBoxRequest> shown;
    // Called while a box is shown, e.g. to look at the windows at that moment.
    std::function<void(const platform::MessageBoxRequest &)> onMessageBox;

    // Launcher
    qint64 nextTaskId = 0;
    QStringList startedPrograms;
    QList<QUrl> openedUrls;

    // Dialogs: nothing scripted means Cancel.
    std::optional<ColourValue> colourAnswer;
    std::optional<platform::FontChoice> fontAnswer;
    struct ColourRequest
    {
        ColourValue initial;
        QString title;
    };
    QList<ColourRequest> colourRequests;
    QList<platform::FontChoice> fontRequests;
    struct AboutRequest
    {
        QWidget *owner;
        QString title;
        QString text;
        bool hasIcon;
    };
    QList<AboutRequest> aboutRequests;

    // Help viewer: every call, nothing opened.
    struct HelpCall
    {
        QString file;
        QString window;
        int command;
        int data;
    };
    QList<HelpCall> helpCalls;

    // Clock
    QDateTime fixedNow { QDate(2001, 7, 3), QTime(14, 5, 9) };

    platform::Answer show(QWidget *owner, const platform::MessageBoxRequest &request) override;
    qint64 startProgram(const QString &path) override;
    bool openUrl(const QUrl &url) override;
    std::optional<ColourValue> chooseColour(QWidget *owner, ColourValue initial,
                                            const QString &title) override;
    std::optional<platform::FontChoice> chooseFont(QWidget *owner,
                                                   const platform::FontChoice &initial) override;
    void showAbout(QWidget *owner, const QString &title, const QString &text,
                   const QIcon &icon) override;
    QDateTime now() override { return fixedNow; }
    void htmlHelp(const platform::HelpTarget &target, int command, int data) override
    {
        helpCalls.append({ target.file, target.window, command, data });
    }

private:
    QTemporaryDir m_folder;
    platform::RealFileSystem m_files;
    platform::RealFolderSearch m_folderSearch;
};

} // namespace swatchly::test
