#include "help/ChmFile.h"

#include "platform/services/FileNames.h"
#include "platform/services/Files.h"

#include <chm_lib.h>

#include <QDir>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>

#include <cstring>
#include <string>
#include <unistd.h>

namespace swatchly::help {

namespace {

// A help file is a few hundred kilobytes; anything far beyond that is a damaged directory entry,
// and allocating for it would only take the program down.
constexpr quint64 LargestObject = 64ull * 1024 * 1024;

// #SYSTEM record codes.
constexpr quint16 SystemContentsFile = 0;
constexpr quint16 SystemIndexFile = 1;
constexpr quint16 SystemDefaultTopic = 2;
constexpr quint16 SystemTitle = 3;
constexpr quint16 SystemDefaultWindow = 5;

// #WINDOWS entry layout (offsets into one entry).
constexpr int WindowTypeName = 0x08;
constexpr int WindowValidMembers = 0x0C;
constexpr int WindowCaption = 0x14;
constexpr int WindowRect = 0x20;
constexpr int WindowContents = 0x60;
constexpr int WindowIndex = 0x64;
constexpr int WindowDefault = 0x68;
constexpr int WindowHome = 0x6C;
constexpr quint32 WindowRectIsValid = 0x10;

quint32 dword(const QByteArray &bytes, qsizetype at)
{
    if (at < 0 || at + 4 > bytes.size())
        return 0;
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData() + at);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 word(const QByteArray &bytes, qsizetype at)
{
    if (at < 0 || at + 2 > bytes.size())
        return 0;
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData() + at);
    return quint16(p[0] | p[1] << 8);
}

QString text8(QByteArrayView bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    if (end >= 0)
        bytes = bytes.first(end);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

QString decodeEntities(QString text)
{
    static const QRegularExpression entity(QStringLiteral("&(#x?[0-9A-Fa-f]+|[A-Za-z]+);"));
    QString result;
    qsizetype last = 0;
    for (const auto &match : entity.globalMatch(text)) {
        const QString name = match.captured(1);
        QString replacement;
        if (name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive))
            replacement = QChar(name.mid(2).toUInt(nullptr, 16));
        else if (name.startsWith(QLatin1Char('#')))
            replacement = QChar(name.mid(1).toUInt());
        else if (name == QLatin1String("amp"))
            replacement = QStringLiteral("&");
        else if (name == QLatin1String("lt"))
            replacement = QStringLiteral("<");
        else if (name == QLatin1String("gt"))
            replacement = QStringLiteral(">");
        else if (name == QLatin1String("quot"))
            replacement = QStringLiteral("\"");
        else if (name == QLatin1String("nbsp"))
            replacement = QChar(0xA0);
        else
            replacement = match.captured(0);
        result += QStringView(text).mid(last, match.capturedStart() - last);
        result += replacement;
        last = match.capturedEnd();
    }
    result += QStringView(text).mid(last);
    return result;
}

QHash<QString, QString> attributes(const QString &tagBody)
{
    static const QRegularExpression attribute(QStringLiteral(
        R"re(([A-Za-z_:][-A-Za-z0-9_:.]*)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>]+)))re"));
    QHash<QString, QString> result;
    for (const auto &match : attribute.globalMatch(tagBody)) {
        QString value = match.captured(2);
        if (match.capturedStart(3) >= 0)
            value = match.captured(3);
        else if (match.capturedStart(4) >= 0)
            value = match.captured(4);
        result.insert(match.captured(1).toLower(), decodeEntities(value));
    }
    return result;
}

int enumerateObject(chmFile *, chmUnitInfo *info, void *context)
{
    auto *list = static_cast<QStringList *>(context);
    const QString path =
        QString::fromUtf8(info->path, qsizetype(strnlen(info->path, sizeof info->path)));
    if (!path.endsWith(QLatin1Char('/')))
        list->append(path);
    return CHM_ENUMERATOR_CONTINUE;
}

} // namespace

ChmFile::ChmFile(const QString &path)
    : m_path(path)
{
    // chmlib opens the file itself, and would wait on a FIFO: it is given the regular file
    // opened here by the program's rules, through the descriptor's own name.
    // Without /proc, the file just found regular is opened by its path.
    const std::string bytes = platform::pathBytes(path);
    const auto opened = platform::openRegularFile(bytes, platform::Links::Follow);
    if (!opened)
        return;
    const int fd = *opened;
    m_file = chm_open(("/proc/self/fd/" + std::to_string(fd)).c_str());
    if (!m_file)
        m_file = chm_open(bytes.c_str());
    ::close(fd);
    if (!m_file)
        return;
    chm_enumerate(m_file, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, enumerateObject, &m_objects);
    readSystem();
    readWindows();
    readContexts();
}

ChmFile::~ChmFile()
{
    if (m_file)
        chm_close(m_file);
}

QStringList ChmFile::objects() const
{
    return m_objects;
}

QString ChmFile::storedName(const QString &objectPath) const
{
    QString path = objectPath;
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    if (m_objects.contains(path))
        return path;
    for (const auto &object : m_objects) {
        if (object.compare(path, Qt::CaseInsensitive) == 0)
            return object;
    }
    return {};
}

bool ChmFile::contains(const QString &objectPath) const
{
    return !objectPath.isEmpty() && !storedName(objectPath).isEmpty();
}

std::optional<QByteArray> ChmFile::read(const QString &objectPath) const
{
    if (!m_file || objectPath.isEmpty())
        return std::nullopt;
    QString path = objectPath;
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    chmUnitInfo info {};
    if (chm_resolve_object(m_file, path.toUtf8().constData(), &info) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (info.length > LargestObject)
        return std::nullopt;
    QByteArray bytes(qsizetype(info.length), Qt::Uninitialized);
    LONGUINT64 done = 0;
    while (done < info.length) {
        const LONGINT64 got = chm_retrieve_object(
            m_file, &info, reinterpret_cast<unsigned char *>(bytes.data()) + done, done,
            LONGINT64(info.length - done));
        if (got <= 0)
            return std::nullopt;
        done += LONGUINT64(got);
    }
    return bytes;
}

void ChmFile::readSystem()
{
    const auto system = read(QStringLiteral("/#SYSTEM"));
    if (!system)
        return;
    qsizetype at = 4; // after the version
    while (at + 4 <= system->size()) {
        const quint16 code = word(*system, at);
        const quint16 length = word(*system, at + 2);
        at += 4;
        if (at + length > system->size())
            break;
        const QByteArrayView data(system->constData() + at, length);
        switch (code) {
        case SystemContentsFile:
            m_contentsFile = text8(data);
            break;
        case SystemIndexFile:
            m_indexFile = text8(data);
            break;
        case SystemDefaultTopic:
            m_defaultTopic = text8(data);
            break;
        case SystemTitle:
            m_title = text8(data);
            break;
        case SystemDefaultWindow:
            m_defaultWindow = text8(data);
            break;
        default:
            break;
        }
        at += length;
    }
}

QString ChmFile::stringAt(const QByteArray &strings, quint32 offset) const
{
    if (offset == 0 || offset >= quint32(strings.size()))
        return {};
    return text8(QByteArrayView(strings).sliced(offset));
}

void ChmFile::readWindows()
{
    const auto windows = read(QStringLiteral("/#WINDOWS"));
    const auto strings = read(QStringLiteral("/#STRINGS"));
    if (!windows || !strings)
        return;
    const quint32 count = dword(*windows, 0);
    const quint32 entrySize = dword(*windows, 4);
    if (entrySize < WindowHome + 4)
        return;
    for (quint32 i = 0; i < count; ++i) {
        const qint64 entry = 8 + qint64(i) * entrySize;
        if (entry + entrySize > windows->size())
            break;
        WindowType window;
        window.name = stringAt(*strings, dword(*windows, entry + WindowTypeName));
        window.caption = stringAt(*strings, dword(*windows, entry + WindowCaption));
        window.contentsFile = stringAt(*strings, dword(*windows, entry + WindowContents));
        window.indexFile = stringAt(*strings, dword(*windows, entry + WindowIndex));
        window.defaultTopic = stringAt(*strings, dword(*windows, entry + WindowDefault));
        window.homeTopic = stringAt(*strings, dword(*windows, entry + WindowHome));
        if (dword(*windows, entry + WindowValidMembers) & WindowRectIsValid) {
            const auto left = qint32(dword(*windows, entry + WindowRect));
            const auto top = qint32(dword(*windows, entry + WindowRect + 4));
            const auto right = qint32(dword(*windows, entry + WindowRect + 8));
            const auto bottom = qint32(dword(*windows, entry + WindowRect + 12));
            if (right > left && bottom > top)
                window.position = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
        }
        if (!window.name.isEmpty())
            m_windows.append(window);
    }
}

void ChmFile::readContexts()
{
    const auto ivb = read(QStringLiteral("/#IVB"));
    const auto strings = read(QStringLiteral("/#STRINGS"));
    if (!ivb || !strings)
        return;
    const qsizetype size = std::min<qsizetype>(dword(*ivb, 0), ivb->size() - 4);
    for (qsizetype at = 4; at + 8 <= 4 + size; at += 8) {
        const auto id = qint32(dword(*ivb, at));
        const QString topic = stringAt(*strings, dword(*ivb, at + 4));
        if (!topic.isEmpty())
            m_contexts.append({ id, topic });
    }
}

std::optional<ChmFile::WindowType> ChmFile::windowType(const QString &name) const
{
    for (const auto &window : m_windows) {
        if (window.name.compare(name, Qt::CaseInsensitive) == 0)
            return window;
    }
    return std::nullopt;
}

QString ChmFile::topicForContext(qint32 contextId) const
{
    for (const auto &[id, topic] : m_contexts) {
        if (id == contextId)
            return objectFor(topic);
    }
    return {};
}

QString ChmFile::objectFor(const QString &reference) const
{
    if (!m_file)
        return {};
    QString path = reference.trimmed();
    const qsizetype inside = path.indexOf(QLatin1String("::"));
    if (inside >= 0)
        path = path.mid(inside + 2);
    const qsizetype anchor = path.indexOf(QLatin1Char('#'));
    if (anchor >= 0)
        path.truncate(anchor);
    path = QUrl::fromPercentEncoding(path.toUtf8());
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.isEmpty())
        return {};
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    path = QDir::cleanPath(path);
    if (QString stored = storedName(path); !stored.isEmpty())
        return stored;

    // Some compilers store the topics of the context map with the full path they were
    // compiled from; what follows the build folder is the object's path.
    for (qsizetype slash = path.indexOf(QLatin1Char('/'), 1); slash > 0;
         slash = path.indexOf(QLatin1Char('/'), slash + 1)) {
        if (QString stored = storedName(path.mid(slash)); !stored.isEmpty())
            return stored;
    }
    return {};
}

QString ChmFile::decodeText(const QByteArray &bytes)
{
    // Without a declaration the decoder is UTF-8.
    QStringDecoder declared = QStringDecoder::decoderForHtml(bytes);
    if (declared.isValid()) {
        QString text = declared(bytes);
        if (!declared.hasError())
            return text;
    }
    return QString::fromLatin1(bytes);
}

QList<ChmFile::SitemapEntry> ChmFile::parseSitemap(const QString &html)
{
    static const QRegularExpression tag(QStringLiteral(R"re(<\s*(/?)\s*([A-Za-z]+)([^>]*)>)re"));
    QList<SitemapEntry> root;
    // The lists that a new entry may go into, innermost last. A <UL> opens the children of the
    // entry just read; a <UL> before any entry of its level (the outer one) opens nothing new.
    QList<QList<SitemapEntry> *> levels;
    std::optional<SitemapEntry> pending;
    bool inSitemapObject = false;
    for (const auto &match : tag.globalMatch(html)) {
        const bool closing = !match.captured(1).isEmpty();
        const QString name = match.captured(2).toLower();
        if (name == QLatin1String("ul")) {
            if (closing) {
                if (!levels.isEmpty())
                    levels.removeLast();
            } else if (levels.isEmpty()) {
                levels.append(&root);
            } else if (!levels.last()->isEmpty()) {
                levels.append(&levels.last()->last().children);
            } else {
                levels.append(levels.last());
            }
        } else if (name == QLatin1String("object")) {
            if (!closing) {
                const auto attrs = attributes(match.captured(3));
                inSitemapObject =
                    attrs.value(QStringLiteral("type"))
                        .compare(QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0;
                if (inSitemapObject)
                    pending = SitemapEntry();
            } else if (inSitemapObject && pending) {
                QList<SitemapEntry> *into = levels.isEmpty() ? &root : levels.last();
                into->append(*pending);
                pending.reset();
                inSitemapObject = false;
            }
        } else if (name == QLatin1String("param") && inSitemapObject && pending) {
            const auto attrs = attributes(match.captured(3));
            const QString param = attrs.value(QStringLiteral("name")).toLower();
            const QString value = attrs.value(QStringLiteral("value"));
            if (param == QLatin1String("name") && pending->name.isEmpty())
                pending->name = value;
            else if (param == QLatin1String("local") && pending->local.isEmpty())
                pending->local = value;
        }
    }
    return root;
}

QList<ChmFile::SitemapEntry> ChmFile::contents(const QString &contentsFile) const
{
    QString file = contentsFile.isEmpty() ? m_contentsFile : contentsFile;
    if (file.isEmpty()) {
        for (const auto &object : objects()) {
            if (object.endsWith(QLatin1String(".hhc"), Qt::CaseInsensitive)) {
                file = object;
                break;
            }
        }
    }
    const auto bytes = read(objectFor(file));
    return bytes ? parseSitemap(decodeText(*bytes)) : QList<SitemapEntry>();
}

QList<ChmFile::SitemapEntry> ChmFile::index(const QString &indexFile) const
{
    QString file = indexFile.isEmpty() ? m_indexFile : indexFile;
    if (file.isEmpty()) {
        for (const auto &object : objects()) {
            if (object.endsWith(QLatin1String(".hhk"), Qt::CaseInsensitive)) {
                file = object;
                break;
            }
        }
    }
    const auto bytes = read(objectFor(file));
    return bytes ? parseSitemap(decodeText(*bytes)) : QList<SitemapEntry>();
}

} // namespace swatchly::help
