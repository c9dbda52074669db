#pragma once

#include "core/Colour.h"

#include <QIcon>
#include <QString>

#include <optional>

class QWidget;

namespace swatchly::platform {

// The modal common dialogs and the About box.
struct FontChoice
{
    QString name;
    double size = 0;
};

class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // The chosen colour, or nothing on Cancel.
    virtual std::optional<ColourValue> chooseColour(QWidget *owner, ColourValue initial,
                                                    const QString &title) = 0;
    // The chosen face and size, or nothing on Cancel.
    virtual std::optional<FontChoice> chooseFont(QWidget *owner, const FontChoice &initial) = 0;
    virtual void showAbout(QWidget *owner, const QString &title, const QString &text,
                           const QIcon &icon) = 0;
};

class MessageBoxes;

// The toolkit's colour and font dialogs and its About box. The colour dialog's screen picker
// tells through boxes when the desktop cannot pick.
class QtDialogs final : public Dialogs
{
public:
    explicit QtDialogs(MessageBoxes &boxes)
        : m_boxes(boxes)
    { }

    std::optional<ColourValue> chooseColour(QWidget *owner, ColourValue initial,
                                            const QString &title) override;
    std::optional<FontChoice> chooseFont(QWidget *owner, const FontChoice &initial) override;
    void showAbout(QWidget *owner, const QString &title, const QString &text,
                   const QIcon &icon) override;

private:
    MessageBoxes &m_boxes;
};

} // namespace swatchly::platform
