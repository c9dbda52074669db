// Closing the window and saving the Users Special Colors.
#include "chart/frmTintora.h"

#include "platform/Files.h"
#include "platform/Services.h"
#include "tooltips/cToolTip.h"

#include <QCoreApplication>

#include <optional>

namespace swatchly {

namespace {

constexpr std::size_t FirstUserColour = 21;
constexpr std::size_t LastUserColour = 34;
const QString UserColoursFile = QStringLiteral("UserDefColors.col");

// Writes the 14 Users Special Colors in HTML order. The file layer writes beside the old file
// and renames into place only after the last record, so a failure leaves the old file whole.
std::optional<FileError> saveUserColours(const std::array<platform::ColourBox *, 35> &boxes)
{
    FileError error;
    auto file = platform::files().openForOutput(
        platform::programFilePath(UserColoursFile).toStdString(), error);
    if (!file)
        return error;
    for (std::size_t i = FirstUserColour; i <= LastUserColour; ++i) {
        if (!file->writeField(modChromel::ColorToHex(boxes[i]->backColor())))
            return file->error();
    }
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
    const auto answer = platform::msgBox(
        QStringLiteral("Are you sure you want to Exit... Swatchly?"), platform::Buttons::YesNo,
        platform::Icon::Question, QStringLiteral("Exit Program?"), this);
    if (answer != platform::Answer::Yes) {
        Cancel = 1;
        return;
    }
    if (!UserColorsChanged)
        return;

    if (const auto failure = saveUserColours(Picture1)) {
        // Closing now would lose the colours the user stored; let them choose.
        const QString prompt =
            QStringLiteral("Your Users Special Colors could not be saved to the file "
                           "\"%1\": %2.\n\nDo you want to exit without saving them?")
                .arg(platform::programFilePath(UserColoursFile),
                     QString::fromStdString(failure->description));
        if (platform::msgBoxDefaultNo(prompt, platform::Icon::Exclamation, {}, this) !=
            platform::Answer::Yes) {
            Cancel = 1;
            return;
        }
    }

    ttMoreColors.reset();
    ttSlideRed.reset();
    ttSlideGreen.reset();
    ttSlideBlue.reset();
    ttFont.reset();
}

void frmTintora::endSession()
{
    // A failed save has no one to tell; the file layer leaves the old file whole.
    if (UserColorsChanged && !saveUserColours(Picture1))
        UserColorsChanged = false;
    // Not quit(): that closes the windows first, and closing asks the question.
    QCoreApplication::exit(0);
}

} // namespace swatchly
