#include "platform/services/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace swatchly::platform {

Answer QtMessageBoxes::show(QWidget *owner, const MessageBoxRequest &request)
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

Answer MessageBoxes::msgBox(const QString &prompt, Buttons buttons, Icon icon, const QString &title,
                            QWidget *owner)
{
    MessageBoxRequest request;
    request.prompt = prompt;
    request.buttons = buttons;
    request.icon = icon;
    request.title = title.isEmpty() ? ApplicationTitle : title;
    request.defaultButton = buttons == Buttons::YesNo ? Answer::Yes : Answer::OK;
    return show(owner, request);
}

Answer MessageBoxes::msgBoxDefaultNo(const QString &prompt, Icon icon, const QString &title,
                                     QWidget *owner)
{
    MessageBoxRequest request;
    request.prompt = prompt;
    request.buttons = Buttons::YesNo;
    request.icon = icon;
    request.title = title.isEmpty() ? ApplicationTitle : title;
    request.defaultButton = Answer::No;
    return show(owner, request);
}

} // namespace swatchly::platform
