// Taking a colour from the screen for the colour dialog's "Pick Screen Color" button.
//
// On X11 Qt's own picker reads the pixel under the pointer. A Wayland client may not read the
// screen, and Qt 6.4's dialog knows no other way, so there the button asks the desktop portal: the
// portal lets the user pick a point with its own picker and answers later, through a Response
// signal on a request object of its own. The call never blocks the dialog; a portal that never
// answers leaves it usable.
#pragma once

#include <QColor>
#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

class QColorDialog;
class QDBusMessage;
class QDBusPendingCallWatcher;

namespace swatchly::platform {

class MessageBoxes;

// One colour pick at a time through org.freedesktop.portal.Screenshot.PickColor; a new pick
// replaces one still waiting. Destroying the picker closes a pick still open on the desktop.
class PortalColourPicker : public QObject
{
    Q_OBJECT
public:
    PortalColourPicker(const QDBusConnection &bus, QObject *parent);
    ~PortalColourPicker() override;
    PortalColourPicker(const PortalColourPicker &) = delete;
    PortalColourPicker &operator=(const PortalColourPicker &) = delete;

    void pick();

signals:
    void picked(const QColor &colour);
    void cancelled();
    // No bus, no portal, an error, or an answer without a colour.
    void failed();

private slots:
    // QtDBus connects signals by name only, so this one is a slot.
    void onResponse(uint response, const QVariantMap &results, const QDBusMessage &message);

private:
    void onCallFinished(QDBusPendingCallWatcher *call, quint64 serial);
    void listen(const QString &requestPath);
    void stopListening();
    void closePending();

    QDBusConnection m_bus;
    QString m_requestPath; // empty while no pick waits
    quint64 m_serial = 0;
};

// Whether the colour dialog's screen picker goes through the desktop portal: on Wayland, or
// wherever tests sent it.
bool screenPickerUsesPortal();

// Tests: sends the screen picker to the portal on the bus at busAddress on any platform. An
// empty address gives the platform's own choice and the session bus back.
void setScreenPickerPortalBus(const QString &busAddress);

// Gives the dialog a "Pick Screen Color" button that asks the desktop portal, in place of Qt's.
// The picked colour becomes the dialog's colour; a cancel leaves the dialog as it was; a
// failure says so in one of boxes over the dialog.
void pickScreenColourThroughPortal(QColorDialog &dialog, MessageBoxes &boxes);

} // namespace swatchly::platform
