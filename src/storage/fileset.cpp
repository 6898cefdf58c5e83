// File naming, the exists test, whole-file reading and atomic writing.
#include "storage/fileset.h"

#include "platform/read_to_end.h"
#include "storage/codepage.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace tallyman {

std::filesystem::path DataFolder::file(std::string_view fileName) const
{
    return m_dir / std::filesystem::path(std::string(fileName));
}

std::filesystem::path DataFolder::userFile(std::string_view userName, std::string_view extension) const
{
    return file(std::string(userName) + std::string(extension));
}

bool createDataFolder(const std::filesystem::path& dir)
{
    std::error_code ec;
    if (std::filesystem::is_directory(dir, ec))
        return true;
    if (dir.has_parent_path())
        std::filesystem::create_directories(dir.parent_path(), ec);
    return ::mkdir(dir.c_str(), S_IRWXU) == 0 || std::filesystem::is_directory(dir, ec);
}

namespace {

// Opens a plain file for reading; -1 for anything else. Non-blocking, so a named pipe in the
// folder cannot hold the program up; the check after opening sees what was actually opened.
int openPlainFile(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st { };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

bool fileExists(const std::filesystem::path& path)
{
    const int fd = openPlainFile(path);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

std::optional<std::string> unreadableReason(const std::filesystem::path& path)
{
    std::error_code ec;
    const auto link = std::filesystem::symlink_status(path, ec);
    if (ec && link.type() != std::filesystem::file_type::not_found)
        return ec.message();
    if (link.type() == std::filesystem::file_type::not_found || fileExists(path))
        return std::nullopt;
    const auto target = std::filesystem::status(path, ec);
    if (target.type() == std::filesystem::file_type::not_found)
        return "it is a link to a file that does not exist";
    if (target.type() == std::filesystem::file_type::directory)
        return "it is a folder";
    if (target.type() != std::filesystem::file_type::regular)
        return "it is not a plain file";
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return std::strerror(errno);
    ::close(fd);
    return "it cannot be read";
}

std::optional<std::string> readWholeFile(const std::filesystem::path& path)
{
    const int fd = openPlainFile(path);
    if (fd < 0)
        return std::nullopt;
    std::string content;
    const bool whole = readToEnd(fd, content);
    ::close(fd);
    if (!whole)
        return std::nullopt;
    return content;
}

std::optional<StampedRead> readFileUnlessUnchanged(
    const std::filesystem::path& path, const std::optional<FileStamp>& known)
{
    const auto stampOf = [](const struct stat& st) {
        return FileStamp { static_cast<unsigned long long>(st.st_dev),
            static_cast<unsigned long long>(st.st_ino), static_cast<long long>(st.st_size),
            static_cast<long long>(st.st_mtim.tv_sec), static_cast<long long>(st.st_mtim.tv_nsec),
            static_cast<long long>(st.st_ctim.tv_sec), static_cast<long long>(st.st_ctim.tv_nsec) };
    };
    struct stat st { };
    StampedRead read;
    // One system call for the file that has not changed: the calculation asks at every period.
    if (known && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && stampOf(st) == *known) {
        read.stamp = *known;
        return read;
    }
    const int fd = openPlainFile(path);
    if (fd < 0)
        return std::nullopt;
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return std::nullopt;
    }
    read.stamp = stampOf(st);
    std::string content;
    const bool whole = readToEnd(fd, content);
    ::close(fd);
    if (!whole)
        return std::nullopt;
    read.bytes = std::move(content);
    return read;
}

namespace {

// The file already holds exactly these bytes, privately. Every save writes the whole user,
// mostly unchanged, and flushing identical files to disk costs far more than the rest of a
// calculation.
bool holdsAlready(const std::filesystem::path& path, std::string_view bytes)
{
    struct stat st { };
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || (st.st_mode & 0777) != (S_IRUSR | S_IWUSR)
        || static_cast<std::size_t>(st.st_size) != bytes.size())
        return false;
    const auto old = readWholeFile(path);
    return old && *old == bytes;
}

} // namespace

namespace {

WriteFaultHook& faultHook()
{
    static WriteFaultHook hook;
    return hook;
}

// The injected error of a step, or 0.
int injected(WriteStep step, const std::filesystem::path& path)
{
    const WriteFaultHook& hook = faultHook();
    return hook ? hook(step, path) : 0;
}

// ":" is refused in user names and week endings, so no user file can ever be named like a
// temporary, and the clean-up cannot take a user's file for one.
constexpr std::string_view TempMark = ":tmp-";
constexpr std::size_t TempSuffix = 6; // mkstemp's XXXXXX

std::string temporaryPrefix(const std::filesystem::path& path)
{
    return "." + path.filename().string() + std::string(TempMark);
}

bool isTemporarySuffix(std::string_view suffix)
{
    return suffix.size() == TempSuffix && std::all_of(suffix.begin(), suffix.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
}

bool before(const struct timespec& a, const struct timespec& b)
{
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

// A temporary nobody writes any more: made before `since`, and not locked by its writer (a
// running save holds its lock from the moment it made the file until after the rename).
bool removeIfAbandoned(const std::filesystem::path& temp, const struct timespec& since)
{
    const int fd = ::open(temp.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat opened { };
    struct stat named { };
    bool removed = false;
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && before(opened.st_mtim, since)
        && ::flock(fd, LOCK_EX | LOCK_NB) == 0
        // Still the file under that name, now that it is locked.
        && ::lstat(temp.c_str(), &named) == 0 && named.st_ino == opened.st_ino
        && named.st_dev == opened.st_dev)
        removed = ::unlink(temp.c_str()) == 0;
    ::close(fd);
    return removed;
}

void removeTemporariesOf(const std::filesystem::path& path)
{
    const std::string prefix = temporaryPrefix(path);
    const struct timespec since = processStartTime();
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(path.parent_path(), ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == prefix.size() + TempSuffix && name.compare(0, prefix.size(), prefix) == 0
            && isTemporarySuffix(std::string_view(name).substr(prefix.size())))
            removeIfAbandoned(entry.path(), since);
    }
}

std::string reasonFor(const char* what, const std::filesystem::path& path, int error)
{
    return std::string(what) + " " + path.string() + ": " + std::strerror(error);
}

} // namespace

bool isTemporaryFileName(std::string_view fileName)
{
    const auto mark = fileName.rfind(TempMark);
    return fileName.size() > 1 && fileName.front() == '.' && mark != std::string_view::npos && mark > 1
        && isTemporarySuffix(fileName.substr(mark + TempMark.size()));
}

struct timespec processStartTime()
{
    // The clock file times are taken from, so that a file made just after the start never
    // looks older than it.
    static const struct timespec started = [] {
        struct timespec now { };
        ::clock_gettime(CLOCK_REALTIME_COARSE, &now);
        return now;
    }();
    return started;
}

int removeLeftoverTemporaries(const std::filesystem::path& dir, struct timespec since)
{
    int removed = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
        if (isTemporaryFileName(entry.path().filename().string()) && removeIfAbandoned(entry.path(), since))
            ++removed;
    return removed;
}

void setWriteFaultHook(WriteFaultHook hook) { faultHook() = std::move(hook); }

namespace {

// Makes the temporary of `path` and locks it. A clean-up that found the file before the lock
// was taken may have removed it: then it is made again under a new name.
int createLockedTemporary(const std::filesystem::path& path, std::string& temp)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        temp = (path.parent_path() / temporaryPrefix(path)).string() + "XXXXXX";
        const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
        if (fd < 0)
            return -1;
        struct stat st { };
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &st) == 0 && st.st_nlink > 0)
            return fd;
        ::close(fd);
        ::unlink(temp.c_str());
    }
    errno = EAGAIN;
    return -1;
}

} // namespace

// Started with the program: the clean-up's notion of "made before this program started".
[[maybe_unused]] const struct timespec StartNoted = processStartTime();

std::optional<std::string> writeFileAtomically(const std::filesystem::path& path, std::string_view bytes)
{
    if (holdsAlready(path, bytes))
        return std::nullopt;
    std::string temp;
    int fd = -1;
    if (const int error = injected(WriteStep::Create, path))
        errno = error;
    else
        fd = createLockedTemporary(path, temp);
    if (fd < 0)
        return "cannot create a file in " + path.parent_path().string() + ": " + std::strerror(errno);
    // The lock stays with this second descriptor until the temporary has been renamed, so no
    // clean-up takes a finished temporary for an abandoned one before it is in place.
    const int lockHolder = ::dup(fd);
    if (lockHolder < 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        return reasonFor("cannot write", path, error);
    }
    auto fail = [&](const char* what, int error) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temp.c_str());
        ::close(lockHolder);
        return reasonFor(what, path, error);
    };
    ::fchmod(fd, S_IRUSR | S_IWUSR);
    std::size_t written = 0;
    const int writeFault = injected(WriteStep::Write, path);
    // A disk that fills up takes part of the bytes first.
    const std::size_t writable = writeFault == ENOSPC ? bytes.size() / 2 : bytes.size();
    if (writeFault && writeFault != ENOSPC)
        return fail("cannot write", writeFault);
    while (written < writable) {
        const auto n = ::write(fd, bytes.data() + written, writable - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail("cannot write", errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (writeFault)
        return fail("cannot write", writeFault);
    if (const int error = injected(WriteStep::Flush, path))
        return fail("cannot flush", error);
    if (::fsync(fd) != 0)
        return fail("cannot flush", errno);
    const int closeFault = injected(WriteStep::Close, path);
    const bool closed = ::close(fd) == 0;
    fd = -1;
    if (!closed || closeFault)
        return fail("cannot close", closeFault ? closeFault : errno);
    const int renameFault = injected(WriteStep::Rename, path);
    if (renameFault || ::rename(temp.c_str(), path.c_str()) != 0)
        return fail("cannot replace", renameFault ? renameFault : errno);
    ::close(lockHolder);
    removeTemporariesOf(path);
    return std::nullopt;
}

std::optional<std::string> userNameProblem(std::string_view userName)
{
    // Refused on every platform a user's files may be copied to, not only this one.
    static constexpr std::string_view Refused = "/\\:*?\"<>|";
    for (char c : userName) {
        if (Refused.find(c) != std::string_view::npos)
            return std::string("A user name cannot contain the character ") + c + ".";
        if (static_cast<unsigned char>(c) < 0x20)
            return "A user name cannot contain control characters.";
    }
    if (userName == "." || userName == "..")
        return "A user name cannot be \".\" or \"..\".";
    const auto singleBytes = records::toWindows1252(userName);
    if (!singleBytes)
        return "A user name can hold only Western European letters.";
    // One byte a character in the code page: its length is the count of characters.
    if (singleBytes->size() > 200)
        return "A user name is limited to 200 characters.";
    return std::nullopt;
}

} // namespace tallyman
