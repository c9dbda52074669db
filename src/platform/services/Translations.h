// Swatchly in the user's language: its own texts, compiled into the program from the .ts files
// under translations/, and Qt's own (its dialogs and standard buttons) from Qt's translations
// folder. English is the source language and needs no file.
#pragma once

#include "core/FileError.h"

#include <QLocale>
#include <QString>

namespace swatchly::platform {

// Loads the translations for the first of the locale's languages (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG for the system locale) that Swatchly speaks, or none when English comes first or none of
// them is spoken, and installs them in the application, in place of those loaded before, once
// one exists. Returns the language chosen ("de"), empty for English.
QString useLanguage(const QLocale &locale = QLocale::system());
// Installs what useLanguage() loaded before the application existed.
void installTranslations();

// A text in the chosen language; works before the application exists, for --help.
QString translated(const char *context, const char *source);

// A file failure's description in the chosen language.
QString describe(const FileError &error);

} // namespace swatchly::platform
