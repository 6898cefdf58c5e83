// The folder-wide lock: flock on a lock file of the data folder, waited for a while.
#include "storage/folder_lock.h"

#include "storage/user_lock.h"

#include <cerrno>
#include <cstring>
#include <sys/file.h>
#include <unistd.h>

namespace tallyman {

FolderLock::FolderLock(const DataFolder& folder, std::chrono::milliseconds patience)
{
    const auto path = folder.file(FolderLockFileName);
    std::string reason;
    const int fd = openLockFile(path, reason);
    if (fd < 0) {
        m_failure = "the lock file " + path.string() + " cannot be used: " + reason;
        return;
    }
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            m_fd = fd;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            m_failure = "the lock file " + path.string() + " cannot be used: " + std::strerror(errno);
            break;
        }
        if (std::chrono::steady_clock::now() >= giveUp) {
            m_failure = "another Tallyman program is changing the files every user shares in "
                + folder.dir().string() + "; try again when it is done";
            break;
        }
        ::usleep(5000);
    }
    ::close(fd);
}

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace tallyman
