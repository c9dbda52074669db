// Closing the window (also when the session ends or an end is requested) and saving the
// Users Special Colors.
#include "chart/frmTintora.h"

#include "core/ChartBoxes.h"
#include "core/ColourRecordFile.h"
#include "platform/controls/ColourBox.h"
#include "platform/services/FileNames.h"
#include "platform/services/Files.h"
#include "platform/services/FolderLock.h"
#include "platform/services/MessageBoxes.h"
#include "platform/services/Termination.h"
#include "platform/services/Translations.h"
#include "widgets/cToolTip.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTimer>

#include <optional>
#include <span>
#include <vector>

namespace swatchly {

namespace {

const QString UserColoursFile = QStringLiteral("UserDefColors.col");

// The Users Special Colors as UserDefColors.col holds them now, box by box: nothing for a box
// whose record does not convert, and the list ends at the first missing record. A missing file
// holds none; a file that is there but cannot be read is a failure.
EachColourRecord coloursOnDisk(platform::FileSystem &files, const std::string &path)
{
    const auto file = files.openForInput(path);
    if (!file) {
        if (file.error() == fileErrors::FileNotFound)
            return {};
        return { {}, file.error() };
    }
    return readEachColourRecord(**file, static_cast<std::size_t>(UsersSpecialColors.count()),
                                DigitOrder::RRGGBB);
}

// Writes the 14 Users Special Colors in HTML order: the boxes this run changed as they stand,
// every other box as the file on disk holds it at this moment, so that a start-up that could
// not load the file, or another copy of the program that saved meanwhile, loses nothing. A box
// without a readable record on disk is written as it stands, and the file that held that record
// is kept beside the new one (.bak): it may hold the user's colours in a form this program does
// not read. Reading, merging and replacing happen under the lock of the folder, so two copies
// ending together each merge what the other wrote. The file layer writes beside the old file
// and renames into place only after the last record, so a failure leaves the old file whole;
// a file that cannot be read is not replaced at all.
std::optional<FileError> saveUserColours(const platform::Services &services,
                                         std::span<const ColourValue> standing,
                                         std::span<const bool> changed)
{
    const auto lock = platform::lockFolder(platform::pathBytes(services.programFolder));
    if (!lock)
        return lock.error();
    const std::string path = services.programFileBytes(UserColoursFile);
    const auto onDisk = coloursOnDisk(*services.files, path);
    if (onDisk.failure)
        return onDisk.failure;
    const auto colours = keepUnchangedFromDisk(standing, changed, onDisk.colours);
    auto opened = services.files->openForOutput(path);
    if (!opened)
        return opened.error();
    const auto file = std::move(*opened);
    if (onDisk.damaged())
        file->keepOldFileAs(path + ".bak");
    if (auto failure = writeColourRecords(*file, colours, DigitOrder::RRGGBB))
        return failure;
    if (!file->commit())
        return file->error();
    return std::nullopt;
}

} // namespace

void frmTintora::cmdExit_Click()
{
    close();
}

void frmTintora::mnuExit_Click()
{
    close();
}

void frmTintora::Form_QueryUnload(int &Cancel, int)
{
    const auto answer = m_services.messageBoxes->msgBox(
        tr("Are you sure you want to Exit... Swatchly?"), platform::Buttons::YesNo,
        platform::Icon::Question, tr("Exit Program?"), this);
    if (answer != platform::Answer::Yes) {
        Cancel = 1;
        return;
    }
    if (!saveStoreOrLetGo()) {
        Cancel = 1;
        return;
    }
    releaseToolTips();
}

std::optional<FileError> frmTintora::saveStore()
{
    if (!UserColorsChanged)
        return std::nullopt;
    const auto changed = std::span<const bool>(changedThisRun)
                             .subspan(static_cast<std::size_t>(UsersSpecialColors.first),
                                      static_cast<std::size_t>(UsersSpecialColors.count()));
    auto failure = saveUserColours(m_services, userColours(), changed);
    // Saved: a later close has nothing left to save unless something is stored again.
    if (!failure)
        UserColorsChanged = false;
    return failure;
}

bool frmTintora::saveStoreOrLetGo()
{
    if (const auto failure = saveStore()) {
        // Closing now would lose the colours the user stored; let them choose.
        const QString prompt =
            //: %1 is the file's path, %2 why it failed ("Permission denied").
            tr("Your Users Special Colors could not be saved to the file "
               "\"%1\": %2.\n\nDo you want to exit without saving them?")
                .arg(m_services.programFilePath(UserColoursFile), platform::describe(*failure));
        return m_services.messageBoxes->msgBoxDefaultNo(prompt, platform::Icon::Exclamation, {},
                                                        this) == platform::Answer::Yes;
    }
    return true;
}

void frmTintora::releaseToolTips()
{
    ttMoreColors.reset();
    ttSlideRed.reset();
    ttSlideGreen.reset();
    ttSlideBlue.reset();
    ttFont.reset();
}

void frmTintora::endWithTheProcess()
{
    platform::ignoreBrokenPipes();
    platform::onTerminationRequest(this, [this] { endSession(); });
    // The display is gone, so nobody can be asked: what was stored is saved.
    platform::onForcedExit(this, [this] { saveStore(); });
}

void frmTintora::endSession()
{
    if (!endOnRequest())
        return;
    // Not quit(): that closes the windows first, and closing asks the question.
    QCoreApplication::exit(0);
}

bool frmTintora::commitSessionData(bool mayInteract)
{
    if (mayInteract) {
        int cancel = 0;
        Form_QueryUnload(cancel, 0);
        m_sessionAnswered = cancel == 0;
        return m_sessionAnswered;
    }
    // Nobody can be asked: what was stored is saved, and a failed save cannot be helped.
    saveStore();
    m_sessionAnswered = true;
    return true;
}

bool frmTintora::endOnRequest()
{
    if (!saveStoreOrLetGo())
        return false;
    releaseToolTips();
    m_sessionAnswered = true;
    return true;
}

void frmTintora::closeEvent(QCloseEvent *event)
{
    // The close that ends a session or a request to end, after its answer: nothing to ask.
    if (m_quitting && m_sessionAnswered && !UserColorsChanged) {
        event->accept();
        return;
    }
    int cancel = 0;
    Form_QueryUnload(cancel, 0);
    if (cancel != 0)
        event->ignore();
    else
        event->accept();
}

bool frmTintora::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) {
        // The quit closes the windows before it returns; whatever comes later is the user's.
        m_quitting = true;
        QTimer::singleShot(0, this, [this] { m_quitting = false; });
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace swatchly
