// Where data files live, how they are named, tested, read whole and written atomically.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tallyman {

// The working folder that holds every data file. File names are bare names inside it.
class DataFolder {
public:
    DataFolder() = default;
    explicit DataFolder(std::filesystem::path dir) : m_dir(std::move(dir)) {}

    const std::filesystem::path &dir() const { return m_dir; }
    // A bare file name ("Smith.use", ".sta", "Header.sav") inside the folder.
    std::filesystem::path file(std::string_view fileName) const;
    // UserName followed by the extension, nothing between them (".use" for the default set).
    std::filesystem::path userFile(std::string_view userName, std::string_view extension) const;

private:
    std::filesystem::path m_dir;
};

// The exists test: true when the file can be opened for reading.
bool fileExists(const std::filesystem::path &path);

// Why something stands under the name but cannot be read as a file ("it is a folder",
// "Permission denied", ...), or nothing when the name is free or the file can be read. Where
// the exists test only asks whether a file can be read, this keeps a name that is taken from
// passing for a free one.
std::optional<std::string> unreadableReason(const std::filesystem::path &path);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path &path);

// Writes the bytes to a temporary file beside `path`, flushes it and renames it over `path`,
// so a failure leaves the old file intact. The file is readable by its owner only.
// On failure returns a short reason.
std::optional<std::string> writeFileAtomically(const std::filesystem::path &path, std::string_view bytes);

// Why a user name cannot be a file base name (a folder separator, a character the file system
// or the code page refuses), or nothing when it is fine. The empty name is fine: it names the
// default file set.
std::optional<std::string> userNameProblem(std::string_view userName);

} // namespace tallyman
