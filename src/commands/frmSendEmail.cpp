#include "commands/frmSendEmail.h"

#include "platform/Windows.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Fonts.h"
#include "platform/controls/Geometry.h"
#include "platform/controls/Label.h"
#include "platform/controls/TextBox.h"
#include "platform/services/Services.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QRegularExpression>
#include <QScreen>

#include <string_view>

namespace swatchly {

using platform::placeTwips;
using platform::twips;

namespace {

constexpr ColourValue Silver = 0xC0C0C0;
constexpr ColourValue Yellow = 0x00FFFF;
constexpr ColourValue Cyan = 0xFFFF00;

// Where the feedback goes unless the user types another address.
const QString FeedbackAddress = QStringLiteral("feedback@swatchly.org");

//: Feedback window, the messages offered for the body: 201 px.
const std::array<const char *, 5> BodyOptions {
    QT_TRANSLATE_NOOP("swatchly::frmSendEmail", "Please send me any new information!"),
    QT_TRANSLATE_NOOP("swatchly::frmSendEmail", "Please Do Not send any information."),
    QT_TRANSLATE_NOOP("swatchly::frmSendEmail", "I like using the Swatchly."),
    QT_TRANSLATE_NOOP("swatchly::frmSendEmail", "I Do Not like the Swatchly."),
    QT_TRANSLATE_NOOP("swatchly::frmSendEmail", "What is the web vexel form creator?"),
};

// The locale's long time format without its time zone: the general date format shows the
// clock time only, and a zone name would only lengthen the subject line.
QString longTimeFormat(const QLocale &locale)
{
    static const QRegularExpression zone(QStringLiteral("\\s*,?\\s*[(\\[]?t+[)\\]]?"));
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    QString plain;
    bool quoted = false;
    for (const QChar ch : format) {
        if (ch == QLatin1Char('\'')) {
            if (!quoted) {
                result += plain.replace(zone, QString());
                plain.clear();
            }
            quoted = !quoted;
            result += ch;
        } else if (quoted) {
            result += ch;
        } else {
            plain += ch;
        }
    }
    result += plain.replace(zone, QString());
    return result.trimmed();
}

} // namespace

frmSendEmail::frmSendEmail(platform::Services &services, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmSendEmail"));
    //: The feedback window's title.
    setWindowTitle(tr("SendEmail"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twips(4890), twips(3720));
    setSizeGripEnabled(false);
    platform::setClassicFont(this, 8);
    platform::setWindowColours(this, Silver);

    //: Feedback window, the labels left of the fields: 76 px, one line.
    const std::array<QString, 6> captions {
        tr("Main Address"), tr("Carbon Copy"),  tr("Blind Copy"),
        tr("Subject "),     tr("Body Message"), tr("File Attached"),
    };
    const std::array<int, 6> rows { 120, 600, 1080, 1560, 2160, 2640 };
    for (std::size_t i = 0; i < Label1.size(); ++i) {
        Label1[i] = new platform::Label(this, QStringLiteral("Label1(%1)").arg(i), captions[i]);
        placeTwips(Label1[i], 120, rows[i], 1140, i == 4 ? 315 : 375);
        Label1[i]->setBackColor(Silver);
        Label1[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Label1[i]->setWordWrap(false);
    }

    txtMainAddresses =
        new platform::TextBox(this, QStringLiteral("txtMainAddresses"), FeedbackAddress);
    placeTwips(txtMainAddresses, 1320, 120, 3015, 375);
    platform::setFieldColours(txtMainAddresses, Yellow);
    txtCC = new platform::TextBox(this, QStringLiteral("txtCC"));
    placeTwips(txtCC, 1320, 600, 3015, 375);
    txtBCC = new platform::TextBox(this, QStringLiteral("txtBCC"));
    placeTwips(txtBCC, 1320, 1080, 3015, 375);
    txtSubject = new platform::TextBox(this, QStringLiteral("txtSubject"));
    placeTwips(txtSubject, 1320, 1560, 3015, 375);
    cboBody = new platform::ComboBox(this, QStringLiteral("cboBody"));
    placeTwips(cboBody, 1320, 2160, 3015, 315);
    platform::setFieldColours(cboBody, Cyan);
    txtAttachmentFileLocation =
        new platform::TextBox(this, QStringLiteral("txtAttachmentFileLocation"));
    placeTwips(txtAttachmentFileLocation, 1320, 2640, 3015, 375);
    txtAttachmentFileLocation->setEnabled(false);
    cmdSendIt = new platform::CommandButton(this, QStringLiteral("cmdSendIt"),
                                            //: Feedback window, the send button: 201 px.
                                            tr("Sending E-mail..."));
    placeTwips(cmdSendIt, 1320, 3120, 3015, 375);

    // Each field is named by the label on its row, and the keyboard goes down the fields to the
    // button.
    const std::array<QWidget *, 6> fields { txtMainAddresses, txtCC,   txtBCC,
                                            txtSubject,       cboBody, txtAttachmentFileLocation };
    for (std::size_t i = 0; i < fields.size(); ++i) {
        Label1[i]->setBuddy(fields[i]);
        fields[i]->setAccessibleName(Label1[i]->text().trimmed());
    }
    cboBody->setAccessibleDescription(tr("Type a message or pick one"));
    cmdSendIt->setAccessibleDescription(
        tr("Opens a new message in your mail program with these fields"));
    for (std::size_t i = 0; i + 1 < fields.size(); ++i)
        QWidget::setTabOrder(fields[i], fields[i + 1]);
    QWidget::setTabOrder(fields.back(), cmdSendIt);

    connect(cmdSendIt, &QPushButton::clicked, this, &frmSendEmail::cmdSendIt_Click);
}

QString frmSendEmail::subjectFor(const QDateTime &when)
{
    const QLocale locale;
    QString text = locale.toString(when.date(), QLocale::ShortFormat);
    const QTime time = when.time();
    if (time.hour() != 0 || time.minute() != 0 || time.second() != 0)
        text += QLatin1Char(' ') + locale.toString(time, longTimeFormat(locale));
    return QStringLiteral("Swatchly ") + text;
}

void frmSendEmail::Form_Activate()
{
    txtSubject->setText(subjectFor(m_services.clock->now()));
    for (const char *option : BodyOptions)
        cboBody->addListItem(tr(option));
    cboBody->setText(cboBody->list(0));
    cboBody->setFocus(Qt::OtherFocusReason);
}

QString frmSendEmail::composeLink() const
{
    // Each text is escaped on its own, so the mail program reads back exactly what was typed.
    QString query;
    auto append = [&query](const char *key, const QString &text) {
        if (!text.isEmpty())
            query += QLatin1String(key) + linkPart(text);
    };
    append("&CC=", txtCC->text());
    append("&BCC=", txtBCC->text());
    append("&Subject=", txtSubject->text());
    append("&Body=", cboBody->text());
    if (!txtAttachmentFileLocation->text().isEmpty())
        append("&Attach=", QLatin1Char('"') + txtAttachmentFileLocation->text() + QLatin1Char('"'));
    if (!query.isEmpty())
        query[0] = QLatin1Char('?');
    return QStringLiteral("mailto:") + linkPart(txtMainAddresses->text()) + query;
}

QString frmSendEmail::linkPart(const QString &text)
{
    // Letters, digits and the marks a link allows stay as they are. "%" starts an escape,
    // "#" ends the link, "?" starts the fields, "&" separates them and some mail programs read
    // "+" as a blank; blanks, line ends, quotes and the like cannot stand in a link at all, and
    // every character beyond ASCII goes as its UTF-8 bytes.
    static constexpr std::string_view Kept = "-._~!$'()*,;=:@/";
    static constexpr char Digits[] = "0123456789ABCDEF";
    QString part;
    const QByteArray bytes = text.toUtf8();
    part.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        const bool kept = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') ||
            (ch >= '0' && ch <= '9') || Kept.find(ch) != std::string_view::npos;
        if (!kept) {
            part += QLatin1Char('%');
            part += QLatin1Char(Digits[byte >> 4]);
            part += QLatin1Char(Digits[byte & 0xF]);
        } else {
            part += QLatin1Char(ch);
        }
    }
    return part;
}

void frmSendEmail::keyPressEvent(QKeyEvent *event)
{
    // The window closes only by its close box: Esc would throw away what was typed.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmSendEmail::cmdSendIt_Click()
{
    m_services.launcher->openUrl(QUrl(composeLink(), QUrl::TolerantMode));
}

bool frmSendEmail::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    // The window is modal, so it becomes active once per opening; coming back to it from
    // another program must not refill the fields.
    if (event->type() == QEvent::WindowActivate && !m_activated) {
        m_activated = true;
        Form_Activate();
    }
    return handled;
}

void frmSendEmail::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    platform::centreOnScreen(
        this, parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen());
}

} // namespace swatchly
