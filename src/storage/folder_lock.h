// One writer at a time for the files every user of a data folder shares.
#pragma once

#include "storage/fileset.h"

#include <string>

namespace tallyman {

// Held from construction to destruction: an exclusive flock on the folder's lock file, waited
// for when another program holds it. A writer of a shared file reads the file only after
// taking the lock, so two writers never lose each other's change.
class FolderLock {
public:
    explicit FolderLock(const DataFolder &folder);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    bool held() const { return m_fd >= 0; }
    // Why the lock could not be taken (the lock file cannot be made, ...); empty when held.
    const std::string &failure() const { return m_failure; }

private:
    int m_fd = -1;
    std::string m_failure;
};

// The folder's lock file. Its name holds a ':', which no user name may, so it is never a
// user's lock.
std::filesystem::path folderLockFile(const DataFolder &folder);

} // namespace tallyman
