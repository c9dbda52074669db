#include "platform/services/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace swatchly::platform {

void clipboardClear()
{
    QGuiApplication::clipboard()->clear();
}

void clipboardSetText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

} // namespace swatchly::platform
