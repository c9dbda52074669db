#include "schemes/clsFindFile.h"

#include "platform/services/FileNames.h"
#include "platform/services/MessageBoxes.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

#include <vector>

namespace swatchly {

namespace {

// Attribute bits of an entry.
constexpr std::uint32_t DirectoryAttribute = 0x10;
constexpr std::uint32_t CompressedAttribute = 0x800;

struct FormatToken
{
    QChar letter; // lower case; 0 for copied text, 'a' for an AM/PM marker
    int count = 0;
    QString text; // copied text, or the marker as written ("AM/PM", "a/p" ...)
};

int tokenLimit(QChar letter)
{
    switch (letter.unicode()) {
    case 'd':
    case 'm':
    case 'y':
        return 4;
    case 'h':
    case 'n':
    case 's':
    case 'w':
        return 2;
    default:
        return 1; // q
    }
}

std::vector<FormatToken> tokenise(const QString &format)
{
    static const QString fieldLetters = QStringLiteral("dmyhnswq");
    std::vector<FormatToken> tokens;
    auto copy = [&tokens](const QString &text) {
        if (!tokens.empty() && tokens.back().letter.isNull())
            tokens.back().text += text;
        else
            tokens.push_back({ QChar(), 0, text });
    };
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar ch = format.at(i);
        const QChar lower = ch.toLower();
        if (ch == QLatin1Char('"')) {
            const qsizetype end = format.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype stop = end < 0 ? format.size() : end;
            copy(format.mid(i + 1, stop - i - 1));
            i = stop + 1;
        } else if (ch == QLatin1Char('\\')) {
            if (i + 1 < format.size())
                copy(format.mid(i + 1, 1));
            i += 2;
        } else if (format.mid(i, 5).compare(QLatin1String("am/pm"), Qt::CaseInsensitive) == 0) {
            tokens.push_back({ QLatin1Char('a'), 5, format.mid(i, 5) });
            i += 5;
        } else if (format.mid(i, 3).compare(QLatin1String("a/p"), Qt::CaseInsensitive) == 0) {
            tokens.push_back({ QLatin1Char('a'), 3, format.mid(i, 3) });
            i += 3;
        } else if (fieldLetters.contains(lower)) {
            int count = 0;
            while (i + count < format.size() && format.at(i + count).toLower() == lower &&
                   count < tokenLimit(lower))
                ++count;
            tokens.push_back({ lower, count, {} });
            i += count;
        } else {
            copy(QString(ch));
            ++i;
        }
    }
    return tokens;
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QString formatDateText(const QDateTime &moment, const QString &format)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    const QLocale names(QLocale::English, QLocale::UnitedStates);
    std::vector<FormatToken> tokens = tokenise(format);

    bool twelveHour = false;
    for (const auto &token : tokens)
        twelveHour = twelveHour || token.letter == QLatin1Char('a');
    // "m" stands for minutes right after an hour or right before seconds.
    QChar previousField;
    for (std::size_t t = 0; t < tokens.size(); ++t) {
        auto &token = tokens[t];
        if (token.letter.isNull())
            continue;
        if (token.letter == QLatin1Char('m') && token.count <= 2) {
            QChar nextField;
            for (std::size_t u = t + 1; u < tokens.size() && nextField.isNull(); ++u)
                nextField = tokens[u].letter;
            if (previousField == QLatin1Char('h') || nextField == QLatin1Char('s'))
                token.letter = QLatin1Char('n');
        }
        previousField = token.letter;
    }

    QString out;
    for (const auto &token : tokens) {
        switch (token.letter.unicode()) {
        case 0:
            out += token.text;
            break;
        case 'd':
            if (token.count == 1)
                out += QString::number(date.day());
            else if (token.count == 2)
                out += twoDigits(date.day());
            else
                out += names.dayName(date.dayOfWeek(),
                                     token.count == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            break;
        case 'm':
            if (token.count == 1)
                out += QString::number(date.month());
            else if (token.count == 2)
                out += twoDigits(date.month());
            else
                out += names.monthName(
                    date.month(), token.count == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            break;
        case 'y':
            if (token.count == 1)
                out += QString::number(date.dayOfYear());
            else if (token.count == 2)
                out += twoDigits(date.year() % 100);
            else
                out += QString::number(date.year());
            break;
        case 'h': {
            int hour = time.hour();
            if (twelveHour)
                hour = hour % 12 == 0 ? 12 : hour % 12;
            out += token.count == 1 ? QString::number(hour) : twoDigits(hour);
            break;
        }
        case 'n':
            out += token.count == 1 ? QString::number(time.minute()) : twoDigits(time.minute());
            break;
        case 's':
            out += token.count == 1 ? QString::number(time.second()) : twoDigits(time.second());
            break;
        case 'w': {
            // Weeks start on Sunday; week 1 is the one that holds 1 January.
            const int weekday = date.dayOfWeek() % 7; // Sunday 0
            if (token.count == 1) {
                out += QString::number(weekday + 1);
            } else {
                const int firstWeekday = QDate(date.year(), 1, 1).dayOfWeek() % 7;
                out += QString::number((date.dayOfYear() - 1 + firstWeekday) / 7 + 1);
            }
            break;
        }
        case 'q':
            out += QString::number((date.month() - 1) / 3 + 1);
            break;
        case 'a': {
            const bool afternoon = time.hour() >= 12;
            const bool upper = token.text.at(0).isUpper();
            QString marker = token.count == 5
                ? (afternoon ? QStringLiteral("pm") : QStringLiteral("am"))
                : (afternoon ? QStringLiteral("p") : QStringLiteral("a"));
            out += upper ? marker.toUpper() : marker;
            break;
        }
        default:
            break;
        }
    }
    return out;
}

clsFindFile::clsFindFile(platform::FolderSearch &search, platform::MessageBoxes &boxes)
    : m_search(search)
    , m_boxes(boxes)
{
    //: The text of a file time that cannot be told.
    UnknownDateText(QCoreApplication::translate("swatchly::clsFindFile", "Unknown"));
    DateFormat(QStringLiteral("m/d/yy h:nn:ss AM/PM"));
}

clsFindFile::~clsFindFile() = default;

void clsFindFile::DateFormat(const QString &strDateFormat)
{
    m_strDateFormat = strDateFormat;
}

void clsFindFile::UnknownDateText(const QString &strUnknownDateText)
{
    m_strUnknownDateText = strUnknownDateText;
}

std::uint32_t clsFindFile::FileAttributes() const
{
    if (!searching())
        return 0;
    const platform::FolderEntry &entry = m_found[m_current];
    const std::uint32_t attributes =
        (entry.directory ? DirectoryAttribute : 0) | (entry.compressed ? CompressedAttribute : 0);
    return attributes != 0 ? attributes : NormalAttribute();
}

bool clsFindFile::IsCompressed() const
{
    return (FileAttributes() & CompressedAttribute) != 0;
}

QString clsFindFile::Find(const QString &strFile, bool blnShowError)
{
    if (searching()) {
        if (blnShowError &&
            m_boxes.msgBox(
                QCoreApplication::translate("swatchly::clsFindFile", "Cancel the current search?"),
                platform::Buttons::YesNo, platform::Icon::Question) == platform::Answer::No)
            return {};
        CloseFind();
    }
    m_found = m_search.find(platform::pathBytes(strFile));
    m_current = 0;
    if (!searching()) {
        if (blnShowError)
            //: %1 is the file or pattern searched for.
            m_boxes.msgBox(
                QCoreApplication::translate("swatchly::clsFindFile", "%1 could not be found!")
                    .arg(strFile),
                platform::Buttons::OK, platform::Icon::Exclamation);
        return {};
    }
    return platform::pathText(m_found[m_current].name);
}

QString clsFindFile::FindNext()
{
    if (!searching())
        return {};
    if (++m_current < m_found.size())
        return platform::pathText(m_found[m_current].name);
    CloseFind();
    return {};
}

QString clsFindFile::GetShortName() const
{
    // File systems here keep no second, short name: the name is its own.
    return searching() ? platform::pathText(m_found[m_current].name) : QString();
}

QString clsFindFile::GetCreationDate(QDate &datDate, QTime &datTime) const
{
    return searching() ? dateText(m_found[m_current].created, datDate, datTime) : QString();
}

QString clsFindFile::GetLastAccessDate(QDate &datDate, QTime &datTime) const
{
    return searching() ? dateText(m_found[m_current].lastAccessed, datDate, datTime) : QString();
}

QString clsFindFile::GetLastWriteDate(QDate &datDate, QTime &datTime) const
{
    return searching() ? dateText(m_found[m_current].lastWritten, datDate, datTime) : QString();
}

QString clsFindFile::dateText(const QDateTime &fileTime, QDate &datDate, QTime &datTime) const
{
    if (!fileTime.isValid())
        return m_strUnknownDateText;
    ConvertFileTime(fileTime, datDate, datTime);
    return formatDateText(QDateTime(datDate, datTime), m_strDateFormat);
}

void clsFindFile::CloseFind()
{
    m_found.clear();
    m_current = 0;
}

void clsFindFile::ConvertFileTime(const QDateTime &fileTime, QDate &datDate, QTime &datTime)
{
    const QDateTime local = fileTime.toLocalTime();
    datDate = local.date();
    const QTime time = local.time();
    datTime = QTime(time.hour(), time.minute(), time.second());
}

} // namespace swatchly
