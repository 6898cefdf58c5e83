// Output files: what may be replaced, the private temporary, and the checks before a rename.
#include "platform/output_file.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace tallyman {

namespace {

std::string kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISFIFO(mode))
        return "a pipe";
    if (S_ISSOCK(mode))
        return "a socket";
    return "not a regular file";
}

std::filesystem::path folderOf(const std::filesystem::path& path)
{
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

// Reads up to `size` bytes at `offset`; fewer at the end of the file.
std::string readAt(int fd, off_t offset, std::size_t size)
{
    std::string bytes(size, '\0');
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, bytes.data() + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

bool wholePdf(int fd, off_t size)
{
    if (readAt(fd, 0, 5) != "%PDF-")
        return false;
    // The trailer: "startxref", the offset of the cross reference, "%%EOF".
    constexpr off_t TailSize = 1024;
    const off_t tailStart = size > TailSize ? size - TailSize : 0;
    std::string tail = readAt(fd, tailStart, static_cast<std::size_t>(size - tailStart));
    while (!tail.empty() && (tail.back() == '\n' || tail.back() == '\r' || tail.back() == ' '))
        tail.pop_back();
    if (!std::string_view(tail).ends_with("%%EOF"))
        return false;
    const auto mark = tail.rfind("startxref");
    if (mark == std::string::npos)
        return false;
    std::size_t digits = mark + 9;
    while (digits < tail.size() && (tail[digits] == '\n' || tail[digits] == '\r' || tail[digits] == ' '))
        ++digits;
    long long offset = -1;
    const auto [end, error] = std::from_chars(tail.data() + digits, tail.data() + tail.size(), offset);
    if (error != std::errc() || offset < 0 || offset >= size)
        return false;
    // Bytes lost before the cross reference would move it away from where the trailer says.
    return readAt(fd, static_cast<off_t>(offset), 4) == "xref";
}

bool diskFull(const std::filesystem::path& folder)
{
    struct statvfs fs { };
    if (::statvfs(folder.c_str(), &fs) != 0)
        return false;
    return (::geteuid() == 0 ? fs.f_bfree : fs.f_bavail) == 0;
}

} // namespace

std::optional<std::string> outputFileProblem(const std::filesystem::path& path)
{
    const std::filesystem::path folder = folderOf(path);
    std::error_code ec;
    if (path.filename().empty() || !std::filesystem::is_directory(folder, ec))
        return "the folder " + folder.string() + " does not exist";
    struct stat st { };
    if (::lstat(path.c_str(), &st) != 0)
        return errno == ENOENT ? std::nullopt : std::optional<std::string>(std::strerror(errno));
    if (S_ISREG(st.st_mode))
        return std::nullopt;
    if (!S_ISLNK(st.st_mode))
        return "it is " + kindOf(st.st_mode) + ", not a file";
    // The rename replaces the link itself; what it names is left alone.
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    if (S_ISREG(st.st_mode))
        return std::nullopt;
    return "it is a link to " + kindOf(st.st_mode) + ", not to a file";
}

std::string outputTemporaryTemplate(const std::filesystem::path& target)
{
    return (folderOf(target) / ("." + target.filename().string() + ".tmp-XXXXXX")).string();
}

OutputFile::OutputFile(std::filesystem::path target, std::filesystem::path temporary, int fd)
    : m_target(std::move(target))
    , m_temporary(std::move(temporary))
    , m_fd(fd)
{ }

OutputFile::OutputFile(OutputFile&& other) noexcept
    : m_target(std::move(other.m_target))
    , m_temporary(std::move(other.m_temporary))
    , m_fd(other.m_fd)
{
    other.m_fd = -1;
    other.m_temporary.clear();
}

OutputFile::~OutputFile() { discard(); }

void OutputFile::discard()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
    m_temporary.clear();
}

std::optional<OutputFile> OutputFile::create(const std::filesystem::path& target, std::string& whyNot)
{
    std::string name = outputTemporaryTemplate(target);
    // mkostemp makes the file 0600 from the start: nobody else ever sees its contents.
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        whyNot = "cannot create a file in " + folderOf(target).string() + ": " + std::strerror(errno);
        return std::nullopt;
    }
    ::fchmod(fd, S_IRUSR | S_IWUSR);
    ::flock(fd, LOCK_EX | LOCK_NB);
    return OutputFile(target, name, fd);
}

std::optional<std::string> OutputFile::commit()
{
    const auto failed = [this](std::string why) -> std::optional<std::string> {
        discard();
        return why;
    };
    if (m_fd < 0)
        return "the file was already finished";
    // The writer wrote the same file by its name; a different one there now is not ours.
    struct stat held {
    }, named {};
    if (::fstat(m_fd, &held) != 0 || ::lstat(m_temporary.c_str(), &named) != 0 || held.st_ino != named.st_ino
        || held.st_dev != named.st_dev)
        return failed("its temporary file " + m_temporary.string() + " was removed or replaced");
    if (::fsync(m_fd) != 0)
        return failed(std::string("cannot flush it to the disk: ") + std::strerror(errno));
    if (const auto problem = outputFileProblem(m_target))
        return failed(*problem);
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        return failed(std::strerror(errno));
    m_temporary.clear();
    ::close(m_fd);
    m_fd = -1;
    return std::nullopt;
}

std::optional<std::string> OutputFile::write(std::string_view bytes)
{
    if (m_fd < 0)
        return "the file was already finished";
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::strerror(errno);
        done += static_cast<std::size_t>(n);
    }
    return std::nullopt;
}

std::optional<std::string> writeOutputFile(const std::filesystem::path& target, std::string_view bytes)
{
    if (const auto problem = outputFileProblem(target))
        return problem;
    std::string whyNot;
    auto output = OutputFile::create(target, whyNot);
    if (!output)
        return whyNot;
    if (auto problem = output->write(bytes))
        return problem;
    return output->commit();
}

std::optional<std::string> unfinishedPdfReason(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::strerror(errno);
    struct stat st { };
    const bool whole = ::fstat(fd, &st) == 0 && wholePdf(fd, st.st_size);
    ::close(fd);
    if (whole)
        return std::nullopt;
    if (diskFull(folderOf(path)))
        return std::strerror(ENOSPC);
    return "the file ends before the PDF is complete";
}

std::optional<std::string> preparePrivateFolder(const std::filesystem::path& folder)
{
    const std::string name = folder.string();
    if (::mkdir(folder.c_str(), S_IRWXU) != 0 && errno != EEXIST)
        return "cannot make the folder " + name + ": " + std::strerror(errno);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        struct stat st { };
        if (::lstat(folder.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
            return name + " is a link, not a folder of your own: nothing is written through it.";
        if (error == ENOTDIR)
            return name + " is not a folder.";
        return "cannot open the folder " + name + ": " + std::strerror(error);
    }
    struct stat st { };
    std::optional<std::string> problem;
    if (::fstat(fd, &st) != 0)
        problem = "cannot open the folder " + name + ": " + std::strerror(errno);
    else if (st.st_uid != ::geteuid())
        problem = name + " belongs to another user: nothing is written into it.";
    else if (::fchmod(fd, S_IRWXU) != 0)
        problem = "cannot close the folder " + name + " to others: " + std::strerror(errno);
    ::close(fd);
    return problem;
}

} // namespace tallyman
