#include "platform/services/FolderSearch.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cctype>
#include <map>
#include <memory>

namespace swatchly::platform {

namespace {

// Seconds from 1601-01-01 to 1970-01-01, and file-time steps in one second.
constexpr std::int64_t EpochDifference = 11644473600;
constexpr std::int64_t TicksPerSecond = 10000000;

bool isSeparator(char ch)
{
    return ch == '/' || ch == '\\';
}

char foldCase(char ch)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
}

FileTime fileTimeOf(std::int64_t seconds, std::uint32_t nanoseconds)
{
    if (seconds < -EpochDifference)
        return {};
    return FileTime::fromTicks(static_cast<std::uint64_t>(
        (seconds + EpochDifference) * TicksPerSecond + nanoseconds / 100));
}

// Attribute bits and times of the entry name in the open folder; false when the entry has
// gone since the folder was read.
bool describeEntry(int folder, const char *name, FolderEntry &entry)
{
#if defined(__linux__) && defined(STATX_BTIME)
    struct statx info
    {
    };
    const unsigned mask = STATX_BASIC_STATS | STATX_BTIME;
    // A link counts as what it points to; a dangling link is still an entry of the folder.
    if (::statx(folder, name, 0, mask, &info) != 0 &&
        ::statx(folder, name, AT_SYMLINK_NOFOLLOW, mask, &info) != 0)
        return false;
    std::uint32_t attributes = 0;
    if (S_ISDIR(info.stx_mode))
        attributes |= fileAttributes::Directory;
    if ((info.stx_attributes_mask & STATX_ATTR_COMPRESSED) &&
        (info.stx_attributes & STATX_ATTR_COMPRESSED))
        attributes |= fileAttributes::Compressed;
    entry.attributes = attributes != 0 ? attributes : fileAttributes::Normal;
    entry.creationTime = (info.stx_mask & STATX_BTIME)
        ? fileTimeOf(info.stx_btime.tv_sec, info.stx_btime.tv_nsec)
        : FileTime {};
    entry.lastAccessTime = fileTimeOf(info.stx_atime.tv_sec, info.stx_atime.tv_nsec);
    entry.lastWriteTime = fileTimeOf(info.stx_mtime.tv_sec, info.stx_mtime.tv_nsec);
#else
    struct stat info
    {
    };
    if (::fstatat(folder, name, &info, 0) != 0 &&
        ::fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    entry.attributes = S_ISDIR(info.st_mode) ? fileAttributes::Directory : fileAttributes::Normal;
    entry.creationTime = {};
    entry.lastAccessTime = fileTimeOf(info.st_atim.tv_sec, info.st_atim.tv_nsec);
    entry.lastWriteTime = fileTimeOf(info.st_mtim.tv_sec, info.st_mtim.tv_nsec);
#endif
    entry.name = name;
    entry.shortName = name;
    return true;
}

struct Walk
{
    DIR *folder = nullptr;
    std::string namePattern;

    ~Walk()
    {
        if (folder)
            ::closedir(folder);
    }

    bool next(FolderEntry &entry)
    {
        while (const dirent *item = ::readdir(folder)) {
            if (!matchesNamePattern(namePattern, item->d_name))
                continue;
            if (describeEntry(::dirfd(folder), item->d_name, entry))
                return true;
        }
        return false;
    }
};

std::string withoutTrailingSlashes(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder.empty() ? std::string(".") : folder;
}

// Opens the folder part of a pattern, which ends in the separator before the name. A "\" is an
// ordinary character of a folder name here, so the folder is first taken as written; only when
// no such folder exists are its backslashes read as separators.
DIR *openFolder(std::string folder)
{
    if (folder.size() > 1)
        folder.pop_back(); // the root's one "/" stays

    if (DIR *dir = ::opendir(withoutTrailingSlashes(folder).c_str()))
        return dir;
    if (folder.find('\\') == std::string::npos)
        return nullptr;
    for (char &ch : folder)
        if (ch == '\\')
            ch = '/';
    return ::opendir(withoutTrailingSlashes(folder).c_str());
}

class RealFolderSearch final : public FolderSearch
{
public:
    SearchHandle findFirst(const std::string &pattern, FolderEntry &entry) override
    {
        std::size_t split = pattern.size();
        while (split > 0 && !isSeparator(pattern[split - 1]))
            --split;
        const std::string namePattern = pattern.substr(split);
        if (namePattern.empty())
            return InvalidSearchHandle;
        auto walk = std::make_unique<Walk>();
        walk->folder = openFolder(pattern.substr(0, split));
        if (!walk->folder)
            return InvalidSearchHandle;
        walk->namePattern = namePattern;
        if (!walk->next(entry))
            return InvalidSearchHandle;
        const SearchHandle handle = ++m_lastHandle;
        m_walks.emplace(handle, std::move(walk));
        return handle;
    }

    bool findNext(SearchHandle handle, FolderEntry &entry) override
    {
        const auto found = m_walks.find(handle);
        return found != m_walks.end() && found->second->next(entry);
    }

    void findClose(SearchHandle handle) override { m_walks.erase(handle); }

private:
    SearchHandle m_lastHandle = 0;
    std::map<SearchHandle, std::unique_ptr<Walk>> m_walks;
};

RealFolderSearch realFolderSearch;
FolderSearch *currentFolderSearch = &realFolderSearch;

} // namespace

FileTime FileTime::fromUnixMilliseconds(std::int64_t milliseconds)
{
    const std::int64_t seconds =
        milliseconds >= 0 ? milliseconds / 1000 : -((-milliseconds + 999) / 1000);
    const auto rest = static_cast<std::uint32_t>(milliseconds - seconds * 1000);
    return fileTimeOf(seconds, rest * 1000000);
}

std::int64_t FileTime::toUnixMilliseconds() const
{
    return static_cast<std::int64_t>(ticks() / 10000) - EpochDifference * 1000;
}

FolderSearch &folderSearch()
{
    return *currentFolderSearch;
}

void setFolderSearch(FolderSearch *search)
{
    currentFolderSearch = search ? search : &realFolderSearch;
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
