// Folder search: the entries of one folder whose names match a pattern.
//
// A pattern is a folder and a file name that may hold "*" (any run of characters) and "?"
// (any one character), matched without regard to upper and lower case as the desktop's own
// file search does. Both "/" and "\" separate the folder from the name, and a doubled
// separator before the name ("folder//*.col", "folder/\*.col") names the same folder.
#pragma once

#include <QDateTime>

#include <string>
#include <vector>

namespace swatchly::platform {

struct FolderEntry
{
    std::string name; // as the file system holds it
    bool directory = false;
    bool compressed = false;
    // Invalid where the file system does not carry the time.
    QDateTime created;
    QDateTime lastAccessed;
    QDateTime lastWritten;
};

class FolderSearch
{
public:
    virtual ~FolderSearch() = default;
    // The matching entries in the folder's own order, "." and ".." among them; none when
    // nothing matches, the folder does not exist or the pattern names no file.
    virtual std::vector<FolderEntry> find(const std::string &pattern) = 0;
};

// The search of the file system itself.
class RealFolderSearch final : public FolderSearch
{
public:
    std::vector<FolderEntry> find(const std::string &pattern) override;
};

// Whether name matches a pattern of "*" and "?" (no folder part), case ignored.
bool matchesNamePattern(const std::string &pattern, const std::string &name);

} // namespace swatchly::platform
