// The folder lock: flock on the shared lock file of the data folder.
#include "storage/folder_lock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallyman {

std::filesystem::path folderLockFile(const DataFolder &folder)
{
    return folder.file("Tallyman:shared.lock");
}

FolderLock::FolderLock(const DataFolder &folder)
{
    const auto path = folderLockFile(folder);
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR);
    if (fd < 0) {
        m_failure = "cannot open the lock file " + path.string() + ": " + std::strerror(errno);
        return;
    }
    int result = 0;
    while ((result = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (result != 0) {
        m_failure = "cannot lock " + path.string() + ": " + std::strerror(errno);
        ::close(fd);
        return;
    }
    m_fd = fd;
}

FolderLock::~FolderLock()
{
    // The file stays: removing it would let two programs lock two different files.
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace tallyman
