// File naming, the exists test, whole-file reading and atomic writing.
#include "storage/fileset.h"

#include "storage/codepage.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
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

bool fileExists(const std::filesystem::path &path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return false;
    std::ifstream in(path, std::ios::binary);
    return in.good();
}

std::optional<std::string> unreadableReason(const std::filesystem::path &path)
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

std::optional<std::string> readWholeFile(const std::filesystem::path &path)
{
    if (!fileExists(path))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return content.str();
}

namespace {

// The file already holds exactly these bytes, privately. Every save writes the whole user,
// mostly unchanged, and flushing identical files to disk costs far more than the rest of a
// calculation.
bool holdsAlready(const std::filesystem::path &path, std::string_view bytes)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || (st.st_mode & 0777) != (S_IRUSR | S_IWUSR)
        || static_cast<std::size_t>(st.st_size) != bytes.size())
        return false;
    const auto old = readWholeFile(path);
    return old && *old == bytes;
}

} // namespace

std::optional<std::string> writeFileAtomically(const std::filesystem::path &path, std::string_view bytes)
{
    if (holdsAlready(path, bytes))
        return std::nullopt;
    std::string pattern = path.string() + ".XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return std::string("cannot create a file in ") + path.parent_path().string() + ": " + std::strerror(errno);
    auto fail = [&](const char *what) {
        const std::string reason = std::string(what) + " " + path.string() + ": " + std::strerror(errno);
        ::close(fd);
        ::unlink(pattern.c_str());
        return reason;
    };
    ::fchmod(fd, S_IRUSR | S_IWUSR);
    std::size_t written = 0;
    while (written < bytes.size()) {
        const auto n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail("cannot write");
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0)
        return fail("cannot flush");
    if (::close(fd) != 0) {
        const std::string reason = "cannot close " + path.string() + ": " + std::strerror(errno);
        ::unlink(pattern.c_str());
        return reason;
    }
    if (::rename(pattern.c_str(), path.c_str()) != 0) {
        const std::string reason = "cannot replace " + path.string() + ": " + std::strerror(errno);
        ::unlink(pattern.c_str());
        return reason;
    }
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
    if (!records::toWindows1252(userName))
        return "A user name can hold only Western European letters.";
    if (userName.size() > 200)
        return "A user name is limited to 200 characters.";
    return std::nullopt;
}

} // namespace tallyman
