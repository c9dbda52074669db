// The feedback e-mail window.
//
// The program sends nothing itself: the window collects the addresses, a subject and a body
// and hands one "mailto:" link to the desktop, which starts the user's mail program with a
// new message already filled in. The E-mail command creates the window afresh for each
// opening and shows it modally; the first activation of each opening puts a dated subject and
// the body choices into the fields. Sending leaves the window open with its fields unchanged.
#pragma once

#include "platform/controls/Buttons.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/TextBox.h"

#include <QDialog>

#include <array>

namespace swatchly {

namespace platform {
struct Services;
}

class frmSendEmail : public QDialog
{
    Q_OBJECT
public:
    // The window takes the date from the services' clock and sends through their launcher.
    explicit frmSendEmail(platform::Services &services, QWidget *parent = nullptr);

    // The link cmdSendIt_Click hands on, composed from the fields as they are now.
    QString composeLink() const;
    // A field's text as it goes into the link, with what would end or split a part of it
    // percent-encoded.
    static QString linkPart(const QString &text);

    // "Swatchly " and the date and time in the system's general date format.
    static QString subjectFor(const QDateTime &when);

    // ---- Controls, named as the window's design names them ----
    std::array<platform::Label *, 6> Label1 {};
    platform::TextBox *txtMainAddresses = nullptr;
    platform::TextBox *txtCC = nullptr;
    platform::TextBox *txtBCC = nullptr;
    platform::TextBox *txtSubject = nullptr;
    platform::ComboBox *cboBody = nullptr;
    platform::TextBox *txtAttachmentFileLocation = nullptr;
    platform::CommandButton *cmdSendIt = nullptr;

    // ---- Event handlers ----
    void Form_Activate();
    void cmdSendIt_Click();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    platform::Services &m_services;
    bool m_activated = false;
    bool m_centred = false;
};

} // namespace swatchly
