// Start-up: the menu pictures, the tips, and loading the chart and user colours and the
// colour names.
#include "chart/frmTintora.h"

#include "core/ChartBoxes.h"
#include "core/ColourRecordFile.h"
#include "platform/controls/ColourBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Pictures.h"
#include "platform/services/FileNames.h"
#include "platform/services/Files.h"
#include "platform/services/ReplacingFile.h"

#include <QAction>

namespace swatchly {

void frmTintora::Form_Load()
{
    setMenuPictures();
    UserColorsChanged = false;
    setUpToolTips();
    Check1_Click();
    platform::removeSaveLeftovers(platform::pathBytes(m_services.programFolder));
    LoadStartUpData();
    picColorSel_Change();
}

void frmTintora::setMenuPictures()
{
    const std::array<std::pair<QAction *, platform::ImageHolder *>, 6> pictures { {
        { mnuImport, imImport },
        { mnuExport, imExport },
        { mnuAbout, imAbout },
        { mnuEmail, imEmail },
        { mnuHelp, imHelp },
        { mnuExit, imExit },
    } };
    for (const auto &[action, holder] : pictures)
        action->setIcon(holder->icon());
}

void frmTintora::LoadStartUpData()
{
    auto openFile = [this](const char *name) -> std::unique_ptr<platform::InputFile> {
        auto file =
            m_services.files->openForInput(m_services.programFileBytes(QLatin1String(name)));
        return file ? std::move(*file) : nullptr;
    };
    // Reads a file of RRGGBB records into the boxes; false at the first failure, with the boxes
    // before it loaded.
    auto loadColours = [this, &openFile](const char *name, BoxRange boxes) {
        auto file = openFile(name);
        if (!file)
            return false;
        const auto read =
            readColourRecords(*file, static_cast<std::size_t>(boxes.count()), DigitOrder::RRGGBB);
        for (std::size_t i = 0; i < read.colours.size(); ++i)
            Picture1[static_cast<std::size_t>(boxes.first) + i]->setBackColor(read.colours[i]);
        return !read.failure;
    };

    if (!loadColours("StartUpColors", ChartColours))
        return;
    if (!loadColours("UserDefColors.col", UsersSpecialColors))
        return;

    auto names = openFile("ListBoxColorNames.txt");
    if (!names)
        return;
    std::size_t i = 0;
    while (!names->atEnd()) {
        if (i > 500)
            return; // the list is full
        const auto name = names->readField();
        if (!name)
            return;
        const auto value = names->readField();
        if (!value)
            return;
        ColorNameValues[i] = *value;
        Combo1->addListItem(QString::fromLocal8Bit(*name));
        if (value->empty())
            break;
        ++i;
    }
    names.reset();

    Picture1_MouseDown(0, 1, 0, 0, 0);
}

} // namespace swatchly
