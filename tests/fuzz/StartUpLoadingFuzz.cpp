// The start-up loading of all three data files together. The input is split at each record
// separator byte (0x1E) into StartUpColors, UserDefColors.col and ListBoxColorNames.txt, in
// that order; a file the input does not reach is missing. The files live in memory behind the
// file layer's seam, read by the program's own field reader, and each input constructs the
// main window offscreen, whose Form_Load runs the loading.
#include "FuzzCheck.h"

#include "chart/frmTintora.h"
#include "core/Fields.h"
#include "help/ViewerHelpService.h"
#include "platform/services/Services.h"

#include <QApplication>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

using namespace swatchly;

namespace {

constexpr char Separator = '\x1e';
const std::array<const char *, 3> FileNames { "StartUpColors", "UserDefColors.col",
                                              "ListBoxColorNames.txt" };
const QString ProgramFolder = QStringLiteral("/swatchly-fuzz");

// Reading only: the start-up loading never writes, and a write attempt is a finding.
class MemoryFileSystem final : public platform::FileSystem
{
public:
    std::map<std::string, std::string> files;

    FileResult<std::unique_ptr<platform::InputFile>> openForInput(const std::string &path) override
    {
        const auto found = files.find(path);
        if (found == files.end())
            return fileErrors::FileNotFound;
        return platform::inputFileReading(std::make_unique<TextSource>(found->second));
    }

    FileResult<std::unique_ptr<platform::OutputFile>> openForOutput(const std::string &) override
    {
        FUZZ_CHECK(!"the start-up loading writes no file");
        return fileErrors::PermissionDenied;
    }

    std::optional<FileError> remove(const std::string &) override
    {
        FUZZ_CHECK(!"the start-up loading deletes no file");
        return fileErrors::PermissionDenied;
    }
};

class SilentMessageBoxes final : public platform::MessageBoxes
{
public:
    platform::Answer show(QWidget *, const platform::MessageBoxRequest &) override
    {
        // A box would block a real start; the loading fails silently instead.
        FUZZ_CHECK(!"the start-up loading shows no message box");
        return platform::Answer::OK;
    }
};

MemoryFileSystem memoryFiles;
SilentMessageBoxes messageBoxes;
// The window is given these; only the files and the boxes take part in the loading.
platform::QtDialogs dialogs(messageBoxes);
platform::DesktopLauncher launcher;
platform::SystemClock clock;
help::ViewerHelpService helpViewer(messageBoxes, launcher);
platform::RealFolderSearch folderSearch;
platform::Services services { &messageBoxes, &dialogs,     &launcher,     &clock,
                              &helpViewer,   &memoryFiles, &folderSearch, ProgramFolder };

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The application lives as long as the process; the fuzzer never returns to tear it down.
    new QApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    memoryFiles.files.clear();
    std::size_t start = 0;
    for (const char *name : FileNames) {
        if (start > input.size())
            break;
        std::size_t end = input.find(Separator, start);
        if (end == std::string_view::npos)
            end = input.size();
        const std::string path = services.programFilePath(QLatin1String(name)).toStdString();
        memoryFiles.files[path] = std::string(input.substr(start, end - start));
        start = end + 1;
    }

    frmTintora window(services);
    FUZZ_CHECK(window.Combo1->listCount() >= 0 && window.Combo1->listCount() <= 501);
    // RRGGBB records hold plain colours only; a box that got none stays empty.
    for (const auto *box : window.Picture1) {
        const ColourValue colour = box->backColor();
        FUZZ_CHECK(colour == ButtonFace || (colour >= 0 && colour <= 0xFFFFFF));
    }
    const ColourValue current = window.currentColour();
    FUZZ_CHECK(current == ButtonFace || (current >= 0 && current <= 0xFFFFFF));
    FUZZ_CHECK(!window.UserColorsChanged);
    return 0;
}
