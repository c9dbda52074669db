// Import and export of scheme files: the Users Special Colors of the main window, read from or
// written to the file named in the name box.
#include "core/ChartBoxes.h"
#include "core/ColourRecordFile.h"
#include "platform/services/Files.h"
#include "platform/services/MessageBoxes.h"
#include "schemes/frmSavetxt.h"

namespace swatchly {

namespace {

constexpr auto SchemeRecords = static_cast<std::size_t>(UsersSpecialColors.count());

// The program saves UserDefColors.col at exit and loads it at start-up in RRGGBB order; export
// and import of that name keep to it, so that neither side reads the other's red as blue.
DigitOrder schemeDigitOrder(const QString &name)
{
    return name == QLatin1String("UserDefColors.col") ? DigitOrder::RRGGBB : DigitOrder::BBGGRR;
}

} // namespace

void frmSavetxt::cmdOpen_Click()
{
    const QString name = Combo1->text();
    if (name.isEmpty()) {
        m_services.messageBoxes->msgBox(tr("You must select a file, please!"),
                                        platform::Buttons::OK, platform::Icon::Exclamation,
                                        tr("No File Selected"), this);
        Combo1->setFocus();
        return;
    }
    if (!isPlainSchemeName(name))
        return;

    auto failed = [this] {
        m_services.messageBoxes->msgBox(tr("Error Openning File"), platform::Buttons::OK,
                                        platform::Icon::Critical,
                                        tr("File Error, Does this file exist?"), this);
        clearNameBox();
        Combo1->setFocus();
    };
    auto opened = m_services.files->openForInput(schemeFilePath(name));
    if (!opened) {
        failed();
        return;
    }
    auto file = std::move(*opened);
    // The boxes before a failing record keep the colours they were given.
    const auto read = readColourRecords(*file, SchemeRecords, schemeDigitOrder(name));
    m_userColours.replaceUserColours(read.colours);
    file.reset();
    if (read.failure) {
        failed();
        return;
    }
    unload();
}

void frmSavetxt::cmdSave_Click()
{
    if (Combo1->text().isEmpty()) {
        m_services.messageBoxes->msgBox(tr("You must name the file!"), platform::Buttons::OK,
                                        platform::Icon::Critical, tr("No file Name!"), this);
        Combo1->setFocus();
        return;
    }
    if (!isPlainSchemeName(Combo1->text()))
        return;
    if (!Combo1->text().endsWith(QLatin1String(".col")))
        Combo1->setText(Combo1->text() + QStringLiteral(".col"));
    // Completion may have turned the name into a listed one.
    const QString name = Combo1->text();
    if (!isPlainSchemeName(name))
        return;

    auto existing = m_services.files->openForInput(schemeFilePath(name));
    if (!existing) {
        if (existing.error().code == fileErrors::FileNotFound.code) {
            WriteFile();
            unload();
        }
        return;
    }
    existing->reset();

    const platform::Answer answer = m_services.messageBoxes->msgBox(
        tr("1. File already exits, Write over it?...............Select Yes \r\n\r\n"
           "2. I want to create a New File (New Name) Select No \r\n\r\n"),
        platform::Buttons::YesNo, platform::Icon::Information,
        //: The title of the box that asks before writing over a scheme; %1 is its name.
        tr("Use this file... %1---- Select an Option! ").arg(name), this);
    if (answer == platform::Answer::No) {
        clearNameBox();
        Combo1->setFocus();
        return;
    }
    // The old scheme is not deleted first: WriteFile puts the new one in its place only once
    // it is complete, so a failed write leaves the old one as it was.
    WriteFile();
    unload();
}

void frmSavetxt::WriteFile()
{
    const QString name = Combo1->text();
    if (!isPlainSchemeName(name))
        return;
    auto report = [this](const FileError &error) {
        m_services.messageBoxes->msgBox(problemText(error), platform::Buttons::OK,
                                        platform::Icon::None, {}, this);
    };
    auto opened = m_services.files->openForOutput(schemeFilePath(name));
    if (!opened) {
        report(opened.error());
        return;
    }
    const auto file = std::move(*opened);
    if (const auto failure =
            writeColourRecords(*file, m_userColours.userColours(), schemeDigitOrder(name))) {
        report(*failure);
        return;
    }
    if (!file->commit())
        report(file->error());
}

} // namespace swatchly
