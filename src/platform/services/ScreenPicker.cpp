#include "platform/services/ScreenPicker.h"

#include "platform/services/MessageBoxes.h"

#include <QBoxLayout>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <optional>

namespace swatchly::platform {

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString ScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString RequestInterface = QStringLiteral("org.freedesktop.portal.Request");

// The portal's answers in a Response.
constexpr uint ResponseSuccess = 0;
constexpr uint ResponseCancelled = 1;

QString portalBusAddress;
quint64 lastRequestSerial = 0;

QString portalBusName()
{
    return QStringLiteral("swatchly-portal ") + portalBusAddress;
}

QDBusConnection portalBus()
{
    if (portalBusAddress.isEmpty())
        return QDBusConnection::sessionBus();
    return QDBusConnection::connectToBus(portalBusAddress, portalBusName());
}

// The portal gives each channel as a fraction; anything that is no number is no colour.
std::optional<int> channelOf(double fraction)
{
    if (!std::isfinite(fraction))
        return std::nullopt;
    return static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * 255));
}

std::optional<QColor> colourOf(const QVariantMap &results)
{
    const QVariant value = results.value(QStringLiteral("color"));
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return std::nullopt;
    const auto argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(ddd)"))
        return std::nullopt;
    double red = 0;
    double green = 0;
    double blue = 0;
    argument.beginStructure();
    argument >> red >> green >> blue;
    argument.endStructure();
    const auto r = channelOf(red);
    const auto g = channelOf(green);
    const auto b = channelOf(blue);
    if (!r || !g || !b)
        return std::nullopt;
    return QColor(*r, *g, *b);
}

// The box layout, at any depth under layout, that holds widget.
QBoxLayout *boxHolding(QLayout *layout, QWidget *widget)
{
    if (!layout)
        return nullptr;
    auto *box = qobject_cast<QBoxLayout *>(layout);
    if (box && box->indexOf(widget) >= 0)
        return box;
    for (int i = 0; i < layout->count(); ++i)
        if (QBoxLayout *found = boxHolding(layout->itemAt(i)->layout(), widget))
            return found;
    return nullptr;
}

} // namespace

PortalColourPicker::PortalColourPicker(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{ }

PortalColourPicker::~PortalColourPicker()
{
    closePending();
}

void PortalColourPicker::closePending()
{
    // The desktop's picker may still be on the screen; nobody is left to take its colour.
    if (!m_requestPath.isEmpty())
        m_bus.send(QDBusMessage::createMethodCall(PortalService, m_requestPath, RequestInterface,
                                                  QStringLiteral("Close")));
    stopListening();
}

void PortalColourPicker::pick()
{
    closePending();
    if (!m_bus.isConnected()) {
        emit failed();
        return;
    }
    // Tokens are unique in the process: a request of an earlier dialog may still be open.
    const quint64 serial = ++lastRequestSerial;
    m_serial = serial;

    // The portal names the request object after our bus name and a token of ours, so we
    // listen there before asking: the answer cannot slip past in between.
    const QString token = QStringLiteral("swatchly%1").arg(serial);
    QString sender = m_bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    listen(PortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token);

    QDBusMessage call = QDBusMessage::createMethodCall(
        PortalService, PortalPath, ScreenshotInterface, QStringLiteral("PickColor"));
    call << QString() << QVariantMap { { QStringLiteral("handle_token"), token } };
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(
        watcher, &QDBusPendingCallWatcher::finished, this,
        [this, serial](QDBusPendingCallWatcher *finished) { onCallFinished(finished, serial); });
}

void PortalColourPicker::onCallFinished(QDBusPendingCallWatcher *call, quint64 serial)
{
    call->deleteLater();
    // A later pick replaced this one, or its answer came before the call's reply.
    if (serial != m_serial || m_requestPath.isEmpty())
        return;
    const QDBusPendingReply<QDBusObjectPath> reply = *call;
    if (reply.isError()) {
        stopListening();
        emit failed();
        return;
    }
    // Older portals ignore the token and choose the request object themselves.
    const QString handle = reply.value().path();
    if (handle != m_requestPath) {
        stopListening();
        listen(handle);
    }
}

void PortalColourPicker::onResponse(uint response, const QVariantMap &results,
                                    const QDBusMessage &message)
{
    if (m_requestPath.isEmpty() || message.path() != m_requestPath)
        return;
    stopListening();
    if (response == ResponseCancelled) {
        emit cancelled();
        return;
    }
    const auto colour = response == ResponseSuccess ? colourOf(results) : std::nullopt;
    if (!colour) {
        emit failed();
        return;
    }
    emit picked(*colour);
}

void PortalColourPicker::listen(const QString &requestPath)
{
    m_requestPath = requestPath;
    m_bus.connect(PortalService, m_requestPath, RequestInterface, QStringLiteral("Response"), this,
                  SLOT(onResponse(uint, QVariantMap, QDBusMessage)));
}

void PortalColourPicker::stopListening()
{
    if (m_requestPath.isEmpty())
        return;
    m_bus.disconnect(PortalService, m_requestPath, RequestInterface, QStringLiteral("Response"),
                     this, SLOT(onResponse(uint, QVariantMap, QDBusMessage)));
    m_requestPath.clear();
}

bool screenPickerUsesPortal()
{
    return !portalBusAddress.isEmpty() ||
        QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void setScreenPickerPortalBus(const QString &busAddress)
{
    if (!portalBusAddress.isEmpty())
        QDBusConnection::disconnectFromBus(portalBusName());
    portalBusAddress = busAddress;
}

void pickScreenColourThroughPortal(QColorDialog &dialog, MessageBoxes &boxes)
{
    // Qt leaves its own picker out where it cannot read the screen, and where it shows it, it
    // would grab nothing: the dialog gets a button of ours in its place, below the basic
    // colours, with Qt's own text.
    // Qt's own texts, in Qt's own translations: named by the dialog's class, not by a literal
    // context, so that lupdate leaves them out of ours.
    const char *qtContext = QColorDialog::staticMetaObject.className();
    const QString label = QCoreApplication::translate(qtContext, "&Pick Screen Color");
    for (auto *qtButton : dialog.findChildren<QPushButton *>())
        if (qtButton->text() == label)
            qtButton->hide();
    const auto labels = dialog.findChildren<QLabel *>();
    const auto basicLabel =
        std::find_if(labels.cbegin(), labels.cend(), [qtContext](const QLabel *candidate) {
            return candidate->text() == QCoreApplication::translate(qtContext, "&Basic colors");
        });
    QWidget *basicColours = basicLabel != labels.cend() ? (*basicLabel)->buddy() : nullptr;
    QBoxLayout *column = basicColours ? boxHolding(dialog.layout(), basicColours) : nullptr;
    if (!column)
        return;

    auto *button = new QPushButton(label, &dialog);
    column->insertWidget(column->indexOf(basicColours) + 1, button);
    auto *picker = new PortalColourPicker(portalBus(), &dialog);
    QObject::connect(button, &QAbstractButton::clicked, picker, &PortalColourPicker::pick);
    QObject::connect(picker, &PortalColourPicker::picked, &dialog,
                     [&dialog](const QColor &colour) { dialog.setCurrentColor(colour); });
    QObject::connect(picker, &PortalColourPicker::failed, &dialog, [&dialog, &boxes] {
        boxes.msgBox(PortalColourPicker::tr("Picking a color from the screen is not available on "
                                            "this desktop."),
                     Buttons::OK, Icon::Information, {}, &dialog);
    });
}

} // namespace swatchly::platform
