// The lock of the files every user of a data folder shares (the print heading, the federal
// table): whoever changes such a file holds it from reading the file to renaming the new one
// into place, so two programs never write over each other's change.
#pragma once

#include "storage/fileset.h"

#include <chrono>
#include <string>

namespace tallyman {

// The lock file: a name no user file can have (":" is refused in user names).
inline constexpr const char* FolderLockFileName = ".shared:lock";

class FolderLock {
public:
    // How long a change waits for another program's change to the same files: those take a
    // few milliseconds, so a longer wait means the other program is stuck.
    static constexpr std::chrono::milliseconds DefaultPatience { 10000 };

    // Waits up to `patience` for the lock of the folder.
    explicit FolderLock(const DataFolder& folder, std::chrono::milliseconds patience = DefaultPatience);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool held() const { return m_fd >= 0; }
    // Why the lock was not taken ("another Tallyman is changing ...", "... it is a link").
    const std::string& failure() const { return m_failure; }

private:
    int m_fd = -1;
    std::string m_failure;
};

} // namespace tallyman
