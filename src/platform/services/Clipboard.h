#pragma once

#include <QString>

namespace swatchly::platform {

// The clipboard, text only. Every writer clears it first and then puts one text.
void clipboardClear();
void clipboardSetText(const QString &text);
QString clipboardText();

} // namespace swatchly::platform
