// A key press as the text boxes and combo boxes report it, before the box takes the key: Qt's
// key, the modifiers held and the text the key types. A handler that throws the key away calls
// discard(), and then nothing types it.
#pragma once

#include <QKeyEvent>

namespace swatchly::platform {

class KeyPress
{
public:
    explicit KeyPress(const QKeyEvent &event)
        : m_key(static_cast<Qt::Key>(event.key()))
        , m_modifiers(event.modifiers())
        , m_text(event.text())
    { }

    Qt::Key key() const { return m_key; }
    Qt::KeyboardModifiers modifiers() const { return m_modifiers; }
    const QString &text() const { return m_text; }

    void discard() { m_discarded = true; }
    bool isDiscarded() const { return m_discarded; }

private:
    Qt::Key m_key;
    Qt::KeyboardModifiers m_modifiers;
    QString m_text;
    bool m_discarded = false;
};

} // namespace swatchly::platform
