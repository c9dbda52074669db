// Read-only access to a compiled HTML help file (".chm") through chmlib.
//
// Besides the pages and pictures stored in it, a help file carries a few internal tables that
// the help viewer needs: #SYSTEM (title, default topic, contents and index files), #WINDOWS
// (the window types named in the project, with their captions and positions), and #IVB with
// #STRINGS (the context numbers of the project's [MAP] and [ALIAS] sections, each pointing to a
// topic). The contents (.hhc) and index (.hhk) files are HTML "sitemaps" stored as ordinary
// objects; parseSitemap turns one into a tree.
//
// Object paths are absolute inside the file ("/overview.htm"); every function that takes one
// also accepts it without the leading slash.
#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

struct chmFile;

namespace swatchly::help {

class ChmFile
{
public:
    explicit ChmFile(const QString &path);
    ~ChmFile();
    ChmFile(const ChmFile &) = delete;
    ChmFile &operator=(const ChmFile &) = delete;

    bool isOpen() const { return m_file != nullptr; }
    QString path() const { return m_path; }

    // The stored pages, pictures and sitemaps (not the internal tables), as object paths.
    QStringList objects() const;
    bool contains(const QString &objectPath) const;
    // The whole object, or nothing when it is missing, unreadable or implausibly large.
    std::optional<QByteArray> read(const QString &objectPath) const;

    // From #SYSTEM; empty when the file does not say.
    QString title() const { return m_title; }
    QString defaultTopic() const { return m_defaultTopic; }
    QString contentsFile() const { return m_contentsFile; }
    QString indexFile() const { return m_indexFile; }
    QString defaultWindow() const { return m_defaultWindow; }

    struct WindowType
    {
        QString name;
        QString caption;
        QString contentsFile;
        QString indexFile;
        QString defaultTopic;
        QString homeTopic;
        QRect position; // empty when the project gives none
    };
    // The window type of that name (names compare without regard to case), if the file has it.
    std::optional<WindowType> windowType(const QString &name) const;
    QList<WindowType> windowTypes() const { return m_windows; }

    // The object path of the topic mapped to a context number, or empty.
    QString topicForContext(qint32 contextId) const;

    struct SitemapEntry
    {
        QString name;
        QString local; // as written in the sitemap, relative to the file's root
        QList<SitemapEntry> children;
    };
    static QList<SitemapEntry> parseSitemap(const QString &html);
    // The contents tree: the window type's contents file if given, else the file's own.
    QList<SitemapEntry> contents(const QString &contentsFile = {}) const;
    QList<SitemapEntry> index(const QString &indexFile = {}) const;

    // A reference to a topic as a help file writes it ("page.htm", "/page.htm",
    // "ms-its:file.chm::/page.htm", "dir\\page.htm"...) turned into an object path, without
    // any "#anchor"; empty when it names no object of this file.
    QString objectFor(const QString &reference) const;

    // The text of a stored page or sitemap, by its declared character set, else UTF-8 when
    // it reads as such, else Latin-1.
    static QString decodeText(const QByteArray &bytes);

private:
    void readSystem();
    void readWindows();
    void readContexts();
    QString stringAt(const QByteArray &strings, quint32 offset) const;
    // The object's path as the file stores it (names compare without regard to case), or empty.
    QString storedName(const QString &objectPath) const;

    QString m_path;
    chmFile *m_file = nullptr;
    QStringList m_objects;
    QString m_title;
    QString m_defaultTopic;
    QString m_contentsFile;
    QString m_indexFile;
    QString m_defaultWindow;
    QList<WindowType> m_windows;
    QList<QPair<qint32, QString>> m_contexts;
};

} // namespace swatchly::help
