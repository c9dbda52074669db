// Folder search: walks the entries of one folder whose names match a pattern, one at a time.
//
// A pattern is a folder and a file name that may hold "*" (any run of characters) and "?"
// (any one character), matched without regard to upper and lower case as the desktop's own
// file search does. Both "/" and "\" separate the folder from the name, and a doubled
// separator before the name ("folder//*.col", "folder/\*.col") names the same folder.
//
// Each entry carries its attribute bits, its name, its short name (the name itself where the
// file system keeps no second one) and three times counted in 100-nanosecond steps since
// 1 January 1601 UTC; a time of 0 is one the file system does not carry.
#pragma once

#include <cstdint>
#include <string>

namespace swatchly::platform {

namespace fileAttributes {
inline constexpr std::uint32_t Directory = 0x10;
inline constexpr std::uint32_t Normal = 0x80;
inline constexpr std::uint32_t Compressed = 0x800;
} // namespace fileAttributes

struct FileTime
{
    std::uint32_t lowDateTime = 0;
    std::uint32_t highDateTime = 0;

    std::uint64_t ticks() const { return (std::uint64_t { highDateTime } << 32) | lowDateTime; }
    static FileTime fromTicks(std::uint64_t ticks)
    {
        return { static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32) };
    }
    // The file time of a moment given in milliseconds since 1970-01-01 UTC; 0 (a time not
    // carried) for a moment before 1601.
    static FileTime fromUnixMilliseconds(std::int64_t milliseconds);
    std::int64_t toUnixMilliseconds() const;
};

struct FolderEntry
{
    std::uint32_t attributes = 0;
    std::string name;
    std::string shortName;
    FileTime creationTime;
    FileTime lastAccessTime;
    FileTime lastWriteTime;
};

using SearchHandle = std::intptr_t;
inline constexpr SearchHandle InvalidSearchHandle = -1;

class FolderSearch
{
public:
    virtual ~FolderSearch() = default;
    // Opens a search and fills entry with its first match; InvalidSearchHandle when nothing
    // matches, the folder does not exist or the pattern names no file.
    virtual SearchHandle findFirst(const std::string &pattern, FolderEntry &entry) = 0;
    // The next match of an open search; false past the last one.
    virtual bool findNext(SearchHandle handle, FolderEntry &entry) = 0;
    virtual void findClose(SearchHandle handle) = 0;
};

// The search in use; tests may install their own (nullptr puts the real one back).
FolderSearch &folderSearch();
void setFolderSearch(FolderSearch *search);

// Whether name matches a pattern of "*" and "?" (no folder part), case ignored.
bool matchesNamePattern(const std::string &pattern, const std::string &name);

} // namespace swatchly::platform
