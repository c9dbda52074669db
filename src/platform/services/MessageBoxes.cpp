#include "platform/services/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace swatchly::platform {

namespace {

class QtMessageBoxes final : public MessageBoxes
{
public:
    Answer show(QWidget *owner, const MessageBoxRequest &request) override
    {
        QMessageBox box(owner ? owner : QApplication::activeWindow());
        box.setWindowTitle(request.title);
        // A prompt often quotes what the user typed or a file's name: never markup. Plain text
        // keeps the prompt's line ends as line breaks.
        box.setTextFormat(Qt::PlainText);
        box.setText(request.prompt);
        switch (request.icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        }
        if (request.buttons == Buttons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(request.defaultButton == Answer::No ? QMessageBox::No
                                                                     : QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::No);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
        }
        const int result = box.exec();
        if (request.buttons == Buttons::OK)
            return Answer::OK;
        return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
};

QtMessageBoxes productionMessageBoxes;
MessageBoxes *currentMessageBoxes = &productionMessageBoxes;

} // namespace

void setMessageBoxes(MessageBoxes *service)
{
    currentMessageBoxes = service ? service : &productionMessageBoxes;
}

Answer msgBox(const QString &prompt, Buttons buttons, Icon icon, const QString &title,
              QWidget *owner)
{
    MessageBoxRequest request;
    request.prompt = prompt;
    request.buttons = buttons;
    request.icon = icon;
    request.title = title.isEmpty() ? ApplicationTitle : title;
    request.defaultButton = buttons == Buttons::YesNo ? Answer::Yes : Answer::OK;
    return currentMessageBoxes->show(owner, request);
}

Answer msgBoxDefaultNo(const QString &prompt, Icon icon, const QString &title, QWidget *owner)
{
    MessageBoxRequest request;
    request.prompt = prompt;
    request.buttons = Buttons::YesNo;
    request.icon = icon;
    request.title = title.isEmpty() ? ApplicationTitle : title;
    request.defaultButton = Answer::No;
    return currentMessageBoxes->show(owner, request);
}

} // namespace swatchly::platform
