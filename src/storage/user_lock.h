// One writer per user: an advisory lock on a file beside the user's files, holding the pid.
#pragma once

#include "storage/fileset.h"

#include <string>

namespace tallyman {

// Held from take() until release() or the end of the process; the kernel drops the lock of a
// process that dies, so a lock left by a crash is simply taken over.
class UserLock {
public:
    UserLock() = default;
    ~UserLock();
    UserLock(const UserLock&) = delete;
    UserLock& operator=(const UserLock&) = delete;

    enum class Outcome {
        Taken, // this process holds the user now (or held it already)
        HeldElsewhere, // another process holds it: holder() names it
        Unavailable, // the lock file cannot be used (a read-only folder, a file of another
                     // owner, a link, a folder): failure() says why
    };
    // Releases whatever user was held before, then takes `userName`'s lock.
    Outcome take(const DataFolder& folder, const std::string& userName);
    void release();

    bool holds(const std::string& userName) const { return m_fd >= 0 && m_user == userName; }
    // The process that held the lock at the last HeldElsewhere (0 when it did not say).
    long holder() const { return m_holder; }
    // Why the lock file could not be used at the last Unavailable.
    const std::string& failure() const { return m_failure; }

private:
    int m_fd = -1;
    std::string m_user;
    long m_holder = 0;
    std::string m_failure;
};

// The lock file of a user: UserName + ".lock".
std::filesystem::path userLockFile(const DataFolder& folder, const std::string& userName);

// Opens (or makes, 0600) a lock file: a plain file, never through a link. -1 with the reason
// ("it is a link", "Permission denied", ...) when it cannot be used.
int openLockFile(const std::filesystem::path& path, std::string& reason);

} // namespace tallyman
