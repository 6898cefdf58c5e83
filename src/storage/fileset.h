// Where data files live, how they are named, tested, read whole and written atomically.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <time.h>

namespace tallyman {

// The working folder that holds every data file. File names are bare names inside it.
class DataFolder {
public:
    DataFolder() = default;
    explicit DataFolder(std::filesystem::path dir)
        : m_dir(std::move(dir))
    { }

    const std::filesystem::path& dir() const { return m_dir; }
    // A bare file name ("Smith.use", ".sta", "Header.sav") inside the folder.
    std::filesystem::path file(std::string_view fileName) const;
    // UserName followed by the extension, nothing between them (".use" for the default set).
    std::filesystem::path userFile(std::string_view userName, std::string_view extension) const;

private:
    std::filesystem::path m_dir;
};

// Creates the data folder (and its parents) when missing; the folder itself is private to its
// owner, as the files in it are. False when it cannot be made.
bool createDataFolder(const std::filesystem::path& dir);

// The exists test: true when the file can be opened for reading.
bool fileExists(const std::filesystem::path& path);

// Why something stands under the name but cannot be read as a file ("it is a folder",
// "Permission denied", ...), or nothing when the name is free or the file can be read. Where
// the exists test only asks whether a file can be read, this keeps a name that is taken from
// passing for a free one.
std::optional<std::string> unreadableReason(const std::filesystem::path& path);

// The whole file, or nothing when the exists test fails or reading does: a reader need not
// ask first.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// What tells one version of a file from another without reading it: a replaced file has a new
// inode, an edited one a new size or modification time, one whose permissions changed a new
// status-change time.
struct FileStamp {
    unsigned long long device = 0, inode = 0;
    long long size = 0, modifiedSeconds = 0, modifiedNanoseconds = 0;
    long long changedSeconds = 0, changedNanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};

// A file with its stamp, its bytes read only when the stamp differs from `known`. A file whose
// stamp is still `known` is not opened again (it opened when it got that stamp, and a change
// of its permissions would change the stamp); any other file is opened as the exists test
// opens it.
struct StampedRead {
    FileStamp stamp;
    std::optional<std::string> bytes; // nothing: the file is still the `known` one
};
// Nothing when the file does not open or cannot be read.
std::optional<StampedRead> readFileUnlessUnchanged(
    const std::filesystem::path& path, const std::optional<FileStamp>& known);

// Writes the bytes to a temporary file beside `path` (".NAME:tmp-XXXXXX"), flushes it and
// renames it over `path`, so a failure or a crash leaves the old file intact. The file is
// readable by its owner only. Temporaries of `path` left by an earlier, killed save are
// removed. On failure returns a short reason naming the file and the cause.
std::optional<std::string> writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The temporary a save of "NAME" writes first is ".NAME:tmp-" and six letters or digits. No
// user file can be named so: ":" is refused in user names and week endings. Temporaries of the
// earlier form ".NAME.tmp-XXXXXX" are not recognised: a legal user name makes such files.
bool isTemporaryFileName(std::string_view fileName);
// When this program started, by the clock file times are taken from.
struct timespec processStartTime();
// Removes the temporaries a killed save left in the folder: those made before `since` that no
// running save holds. Returns how many were removed.
int removeLeftoverTemporaries(const std::filesystem::path& dir, struct timespec since = processStartTime());

// The steps of an atomic write, for failure injection in tests.
enum class WriteStep { Create, Write, Flush, Close, Rename };
// When set, asked before each step: a non-zero errno makes the step fail with that error
// (ENOSPC at Write fails after half the bytes, as a disk that fills up does). Tests only.
using WriteFaultHook = std::function<int(WriteStep step, const std::filesystem::path& path)>;
void setWriteFaultHook(WriteFaultHook hook);

// Why a user name cannot be a file base name (a folder separator, a character the file system
// or the code page refuses), or nothing when it is fine. The empty name is fine: it names the
// default file set.
std::optional<std::string> userNameProblem(std::string_view userName);

} // namespace tallyman
