// Modal message boxes. Tests hand the windows a double that answers from a script and records
// every box shown.
#pragma once

#include <QString>

class QWidget;

namespace swatchly::platform {

// The title of every message box that names no title of its own, and of the About box.
inline const QString ApplicationTitle = QStringLiteral("Pigmentor");

enum class Buttons { OK, YesNo };
enum class Icon { None, Information, Exclamation, Question, Critical };
enum class Answer { OK, Yes, No };

struct MessageBoxRequest
{
    QString prompt;
    Buttons buttons = Buttons::OK;
    Icon icon = Icon::None;
    QString title; // the shown title: ApplicationTitle when none was given
    Answer defaultButton = Answer::OK;
};

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual Answer show(QWidget *owner, const MessageBoxRequest &request) = 0;

    // A modal message box; an empty title shows ApplicationTitle. YesNo boxes default to Yes.
    Answer msgBox(const QString &prompt, Buttons buttons = Buttons::OK, Icon icon = Icon::None,
                  const QString &title = {}, QWidget *owner = nullptr);
    // A Yes/No box whose default button is No, for questions whose Yes gives something up.
    Answer msgBoxDefaultNo(const QString &prompt, Icon icon = Icon::None, const QString &title = {},
                           QWidget *owner = nullptr);
};

// The toolkit's message boxes, modal to their owner (the active window without one).
class QtMessageBoxes final : public MessageBoxes
{
public:
    Answer show(QWidget *owner, const MessageBoxRequest &request) override;
};

} // namespace swatchly::platform
