#include "platform/controls/TextBox.h"

#include <utility>

namespace swatchly::platform {

TextBox::TextBox(QWidget *parent, const QString &name, const QString &text)
    : QLineEdit(text, parent)
{
    setObjectName(name);
    connect(this, &QLineEdit::textChanged, this, [this] { emit changed(); });
}

void TextBox::setText(const QString &text)
{
    // QLineEdit would put the caret at the end even for the text it already holds.
    if (text != QLineEdit::text())
        QLineEdit::setText(text);
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    KeyPress key(*event);
    emit keyPress(key);
    if (key.isDiscarded())
        event->accept();
    else
        QLineEdit::keyPressEvent(event);
}

MultiLineTextBox::MultiLineTextBox(QWidget *parent, const QString &name, const QString &text)
    : QPlainTextEdit(parent)
{
    setObjectName(name);
    setText(text);
    m_shownText = toPlainText();
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    // QPlainTextEdit signals a change even for the text it already holds.
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        QString shown = toPlainText();
        if (shown == m_shownText)
            return;
        m_shownText = std::move(shown);
        emit changed();
    });
}

QString MultiLineTextBox::text() const
{
    QString plain = toPlainText();
    plain.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return plain;
}

void MultiLineTextBox::setText(const QString &text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (plain != toPlainText())
        setPlainText(plain);
}

} // namespace swatchly::platform
