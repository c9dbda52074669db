#include "platform/services/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <array>
#include <memory>

namespace swatchly::platform {

namespace {

// The compiled translations of Swatchly's texts, embedded by the build.
const QString OwnFolder = QStringLiteral(":/i18n");

struct Loaded
{
    // A translator leaves the application when it is destroyed.
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
    bool installed = false;
};

Loaded loaded;

// The file's language in QTranslator's form: "de_DE", "pt_BR".
QString fileLanguage(QString language)
{
    return language.replace(QLatin1Char('-'), QLatin1Char('_'));
}

// The file layer's descriptions, which the plain C++ core writes in English, listed here so that
// lupdate finds them.
const std::array<const char *, 7> FileErrorTexts {
    QT_TRANSLATE_NOOP("swatchly::FileError", "Type mismatch"),
    QT_TRANSLATE_NOOP("swatchly::FileError", "File not found"),
    QT_TRANSLATE_NOOP("swatchly::FileError", "Disk full"),
    QT_TRANSLATE_NOOP("swatchly::FileError", "Input past end of file"),
    QT_TRANSLATE_NOOP("swatchly::FileError", "Permission denied"),
    QT_TRANSLATE_NOOP("swatchly::FileError", "Path/File access error"),
    QT_TRANSLATE_NOOP("swatchly::FileError", "Locked by another copy of the program"),
};

} // namespace

QString useLanguage(const QLocale &locale)
{
    loaded = {};
    QString chosen;
    for (const QString &language : locale.uiLanguages()) {
        // English first: the texts as written.
        if (language == QLatin1String("C") || language.startsWith(QLatin1String("en")))
            break;
        auto own = std::make_unique<QTranslator>();
        // load() falls back from "de_AT" to "de" by itself.
        if (!own->load(QStringLiteral("swatchly_") + fileLanguage(language), OwnFolder))
            continue;
        loaded.own = std::move(own);
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + fileLanguage(language),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            loaded.qt = std::move(qt);
        chosen = loaded.own->language();
        break;
    }
    installTranslations();
    return chosen;
}

void installTranslations()
{
    if (loaded.installed || !QCoreApplication::instance())
        return;
    for (auto *translator : { loaded.qt.get(), loaded.own.get() })
        if (translator)
            QCoreApplication::installTranslator(translator);
    loaded.installed = true;
}

QString translated(const char *context, const char *source)
{
    // While the application is being built (its platform may fail to start) its translators
    // are not installed yet: the loaded one answers as before it existed.
    if (QCoreApplication::instance() && loaded.installed)
        return QCoreApplication::translate(context, source);
    if (loaded.own) {
        QString text = loaded.own->translate(context, source);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(source);
}

QString describe(const FileError &error)
{
    for (const char *text : FileErrorTexts)
        if (error.description == text)
            return translated("swatchly::FileError", text);
    return QString::fromStdString(error.description);
}

} // namespace swatchly::platform
