// Walks, one name at a time, the folder entries that match a path pattern, and answers
// questions about the entry it stands on: attribute bits, compression, short name and the
// three dates as text in a format of the caller's choosing.
//
// One object holds at most one open search. Find opens it (asking first, when told to, before
// it drops a walk in progress); FindNext moves on and closes the search past the last entry.
// The entry questions answer for the entry the last Find or FindNext gave; while no search is
// open they give 0, false or empty text. Destruction closes an open search.
//
// Date formats read as the classic date format texts: d dd ddd dddd, m mm mmm mmmm (minutes
// right after an hour or before seconds), yy yyyy, h hh, n nn, s ss, w ww q y, AM/PM am/pm
// A/P a/p; text in double quotes and a character after "\" are copied as they are.
#pragma once

#include "platform/services/FolderSearch.h"
#include "platform/services/MessageBoxes.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <cstdint>
#include <vector>

namespace swatchly {

class clsFindFile
{
public:
    // Searches through search; asks and reports through boxes.
    clsFindFile(platform::FolderSearch &search, platform::MessageBoxes &boxes);
    ~clsFindFile();
    clsFindFile(const clsFindFile &) = delete;
    clsFindFile &operator=(const clsFindFile &) = delete;

    // Properties.
    void DateFormat(const QString &strDateFormat);
    void UnknownDateText(const QString &strUnknownDateText);
    std::uint32_t FileAttributes() const;
    bool IsCompressed() const;
    static constexpr std::uint32_t NormalAttribute() { return 128; }

    // The name of the first entry matching strFile, or empty text. With blnShowError a walk
    // in progress is dropped only when the user agrees, and a pattern that matches nothing is
    // reported.
    QString Find(const QString &strFile, bool blnShowError);
    QString FindNext();
    QString GetShortName() const;
    // The entry's date as text; datDate and datTime receive its date and its time of day when
    // the entry carries that date.
    QString GetCreationDate(QDate &datDate, QTime &datTime) const;
    QString GetLastAccessDate(QDate &datDate, QTime &datTime) const;
    QString GetLastWriteDate(QDate &datDate, QTime &datTime) const;

private:
    void CloseFind();
    // The time in local time, split into its date and its time of day (seconds whole).
    static void ConvertFileTime(const QDateTime &fileTime, QDate &datDate, QTime &datTime);
    QString dateText(const QDateTime &fileTime, QDate &datDate, QTime &datTime) const;
    bool searching() const { return m_current < m_found.size(); }

    // The open search: the matching entries and the one it stands on; past the end when no
    // search is open.
    platform::FolderSearch &m_search;
    platform::MessageBoxes &m_boxes;
    std::vector<platform::FolderEntry> m_found;
    std::size_t m_current = 0;
    QString m_strDateFormat;
    QString m_strUnknownDateText;
};

// A date and time written with a classic date format text (see clsFindFile).
QString formatDateText(const QDateTime &moment, const QString &format);

} // namespace swatchly
