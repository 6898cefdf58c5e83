// The user lock: flock on UserName + ".lock", the holder's pid written inside.
#include "storage/user_lock.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallyman {

namespace {

long pidIn(int fd)
{
    char text[32] = {};
    const auto n = ::pread(fd, text, sizeof text - 1, 0);
    if (n <= 0)
        return 0;
    text[n] = '\0';
    return std::strtol(text, nullptr, 10);
}

} // namespace

int openLockFile(const std::filesystem::path& path, std::string& reason)
{
    const int fd
        = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, S_IRUSR | S_IWUSR);
    if (fd < 0) {
        const int error = errno;
        struct stat st { };
        if (error == ELOOP && ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
            reason = "it is a link";
        else if (error == EISDIR)
            reason = "it is a folder";
        else
            reason = std::strerror(error);
        return -1;
    }
    struct stat st { };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        reason = "it is not a plain file";
        ::close(fd);
        return -1;
    }
    return fd;
}

std::filesystem::path userLockFile(const DataFolder& folder, const std::string& userName)
{
    return folder.userFile(userName, ".lock");
}

UserLock::~UserLock() { release(); }

void UserLock::release()
{
    // The file stays: removing it would let two processes lock two different files.
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_user.clear();
}

UserLock::Outcome UserLock::take(const DataFolder& folder, const std::string& userName)
{
    if (holds(userName))
        return Outcome::Taken;
    release();
    const auto path = userLockFile(folder, userName);
    const int fd = openLockFile(path, m_failure);
    if (fd < 0)
        return Outcome::Unavailable;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool busy = errno == EWOULDBLOCK;
        if (!busy)
            m_failure = std::strerror(errno);
        // The holder writes its pid just after locking; give it that moment.
        m_holder = pidIn(fd);
        for (int tries = 0; busy && m_holder == 0 && tries < 20; ++tries) {
            ::usleep(1000);
            m_holder = pidIn(fd);
        }
        ::close(fd);
        return busy ? Outcome::HeldElsewhere : Outcome::Unavailable;
    }
    // Written over the old number and then cut to length: emptying a file that holds data
    // makes the file system flush it at once, which would cost every start a disk write.
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::pwrite(fd, pid.data(), pid.size(), 0) != static_cast<ssize_t>(pid.size())
        || ::ftruncate(fd, static_cast<off_t>(pid.size())) != 0) {
        // Locked all the same; only the holder's number is missing for the other window.
    }
    m_fd = fd;
    m_user = userName;
    m_holder = 0;
    return Outcome::Taken;
}

} // namespace tallyman
