// Deleting a scheme file named in the name box, and its entry in the list.
#include "platform/services/Files.h"
#include "platform/services/MessageBoxes.h"
#include "schemes/frmSavetxt.h"

namespace swatchly {

void frmSavetxt::cmdDelete_Click()
{
    const QString name = Combo1->text();
    if (name.isEmpty()) {
        m_services.messageBoxes->msgBox(tr("<<<Please list a file to Delete >>>."),
                                        platform::Buttons::OK, platform::Icon::Information,
                                        tr("No File Listed..."), this);
        Combo1->setFocus();
        return;
    }
    if (!isPlainSchemeName(name))
        return;
    // The Users Special Colors file; the box holds the first form when completion is undone.
    if (name == QLatin1String("UserDefColors") || name == QLatin1String("UserDefColors.col")) {
        m_services.messageBoxes->msgBox(tr("You may only Export (Change) this File."),
                                        platform::Buttons::OK, platform::Icon::Critical,
                                        tr("System File, Can Not Delete!"), this);
        return;
    }
    const platform::Answer answer = m_services.messageBoxes->msgBox(
        //: %1 is the scheme file's name.
        tr("Delete %1     ... Is this your Final Answer?\r\n\r\n"
           "Hint: You may Change (Export) this Color Scheme instead of Deleting this file.")
            .arg(name),
        platform::Buttons::YesNo, platform::Icon::Critical,
        tr("I don't want this File any more. Correct?"), this);
    if (answer == platform::Answer::No)
        return;

    // Only a listed name, case included, is deleted: the list holds what the folder held.
    for (int i = 0; i < Combo1->listCount(); ++i) {
        if (Combo1->list(i) != name)
            continue;
        if (const auto failure = m_services.files->remove(schemeFilePath(name))) {
            m_services.messageBoxes->msgBox(problemText(*failure), platform::Buttons::OK,
                                            platform::Icon::None, {}, this);
            return;
        }
        Combo1->removeListItem(i);
        clearNameBox();
        Combo1->update();
        return;
    }
    m_services.messageBoxes->msgBox(tr("You can not delete a file that doesn't exist!"),
                                    platform::Buttons::OK, platform::Icon::Critical,
                                    tr("No such File!"), this);
    clearNameBox();
    Combo1->setFocus();
}

} // namespace swatchly
