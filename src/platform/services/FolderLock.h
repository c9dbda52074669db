// The lock of a folder, under which copies of the program that share it take turns.
#pragma once

#include "core/FileError.h"

#include <chrono>
#include <memory>
#include <string>

namespace swatchly::platform {

// The lock of a folder, held while the object lives: copies of the program that share the
// folder take turns under it (an advisory lock on the file .swatchly.lock in the folder, removed
// when released). The lock of a copy that died holding it is taken over at once: the system
// lets an advisory lock go with its holder. (QLockFile judges a holder dead by the process id
// written in its file, or by the file's age.)
class FolderLock
{
public:
    virtual ~FolderLock() = default;
};

// How long lockFolder waits for a lock that another living copy holds.
inline constexpr std::chrono::milliseconds FolderLockWait { 3000 };
// What a lock not had within FolderLockWait fails with.
inline const FileError FolderLocked { 70, "Locked by another copy of the program" };

// Takes the lock of folder, waiting up to wait for it.
FileResult<std::unique_ptr<FolderLock>> lockFolder(const std::string &folder,
                                                   std::chrono::milliseconds wait = FolderLockWait);

} // namespace swatchly::platform
