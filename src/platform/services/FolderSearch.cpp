#include "platform/services/FolderSearch.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace swatchly::platform {

namespace {

bool isSeparator(char ch)
{
    return ch == '/' || ch == '\\';
}

char foldCase(char ch)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
}

#if defined(__linux__) && defined(STATX_BTIME)
QDateTime momentOf(const struct statx_timestamp &time)
{
    return QDateTime::fromMSecsSinceEpoch(time.tv_sec * 1000 + time.tv_nsec / 1000000, Qt::UTC);
}
#endif

// The facts of the entry at path; false when it has gone since the folder was read.
// std::filesystem and QFileInfo know no compression, and QFileInfo would need the name as
// text, which a name that is no UTF-8 does not survive; statx gives all of it.
bool describe(const fs::path &path, FolderEntry &entry)
{
#if defined(__linux__) && defined(STATX_BTIME)
    struct statx info
    {
    };
    const unsigned mask = STATX_BASIC_STATS | STATX_BTIME;
    // A link counts as what it points to; a dangling link is still an entry of the folder.
    if (::statx(AT_FDCWD, path.c_str(), 0, mask, &info) != 0 &&
        ::statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW, mask, &info) != 0)
        return false;
    entry.directory = S_ISDIR(info.stx_mode);
    entry.compressed = (info.stx_attributes_mask & STATX_ATTR_COMPRESSED) &&
        (info.stx_attributes & STATX_ATTR_COMPRESSED);
    entry.created = (info.stx_mask & STATX_BTIME) ? momentOf(info.stx_btime) : QDateTime();
    entry.lastAccessed = momentOf(info.stx_atime);
    entry.lastWritten = momentOf(info.stx_mtime);
#else
    std::error_code error;
    const auto written = fs::last_write_time(path, error);
    if (error)
        return false;
    entry.directory = fs::is_directory(path, error);
    const auto since1970 = std::chrono::file_clock::to_sys(written).time_since_epoch();
    entry.lastWritten = QDateTime::fromMSecsSinceEpoch(
        std::chrono::duration_cast<std::chrono::milliseconds>(since1970).count(), Qt::UTC);
#endif
    return true;
}

// The folder part of a pattern, which ends in the separator before the name. A "\" is an
// ordinary character of a folder name here, so the folder is first taken as written; only when
// no such folder exists are its backslashes read as separators.
fs::path folderOf(std::string folder)
{
    if (folder.size() > 1)
        folder.pop_back(); // the root's one "/" stays
    if (folder.empty())
        return ".";
    std::error_code error;
    if (fs::is_directory(folder, error) || folder.find('\\') == std::string::npos)
        return folder;
    for (char &ch : folder)
        if (ch == '\\')
            ch = '/';
    return folder;
}

} // namespace

std::vector<FolderEntry> RealFolderSearch::find(const std::string &pattern)
{
    std::size_t split = pattern.size();
    while (split > 0 && !isSeparator(pattern[split - 1]))
        --split;
    const std::string namePattern = pattern.substr(split);
    const fs::path folder = folderOf(pattern.substr(0, split));
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    std::vector<FolderEntry> found;
    if (namePattern.empty() || error)
        return found;
    auto add = [&](const std::string &name) {
        FolderEntry entry;
        entry.name = name;
        if (matchesNamePattern(namePattern, name) && describe(folder / name, entry))
            found.push_back(std::move(entry));
    };
    // The folder's own entries, which a directory listing of the platform gives as well.
    add(".");
    add("..");
    for (; entries != fs::directory_iterator(); entries.increment(error))
        add(entries->path().filename().native());
    return found;
}

bool matchesNamePattern(const std::string &pattern, const std::string &name)
{
    std::size_t p = 0, n = 0;
    // Where the last "*" stood and how much of the name it has taken, to widen it on a
    // mismatch further on.
    std::size_t starAt = std::string::npos, starTook = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            starTook = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || foldCase(pattern[p]) == foldCase(name[n]))) {
            ++p;
            ++n;
        } else if (starAt != std::string::npos) {
            p = starAt + 1;
            n = ++starTook;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace swatchly::platform
