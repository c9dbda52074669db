// Text boxes. Their change event follows Qt's own change of the text, so that every way of
// setting it (setText, or Qt's setters through a base pointer, or the user's typing) raises
// changed() once, nested inside the setting call; setting the text a box already holds raises
// nothing.
#pragma once

#include "platform/controls/KeyPress.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace swatchly::platform {

// Single-line text box with a length limit and a key filter.
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    TextBox(QWidget *parent, const QString &name, const QString &text = {});

    // Leaves the caret where it is when the text is the same.
    void setText(const QString &text);

signals:
    void changed();
    // Raised for each key before the box takes it; the handler may discard the key.
    void keyPress(swatchly::platform::KeyPress &key);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// Multi-line text box. Its text keeps CR LF line ends as the program writes them.
class MultiLineTextBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    MultiLineTextBox(QWidget *parent, const QString &name, const QString &text = {});

    QString text() const;
    void setText(const QString &text);

signals:
    void changed();

private:
    // The text as last reported, with the line ends Qt keeps.
    QString m_shownText;
};

} // namespace swatchly::platform
