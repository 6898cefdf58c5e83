// A folder of the test's own: made fresh, removed with everything in it at the end.
#pragma once

#include "support/files.h"

#include <filesystem>
#include <map>
#include <string>

namespace tallyman::test {

// Where a test that saves thousands of times, or kills a process mid-save, keeps its folder:
// tmpfs when there is one (what the test is about is the program, not the disk).
std::filesystem::path memoryFolderBase();

class TempFolder {
public:
    // <base>/<prefix>-XXXXXX (mkdtemp). Throws when no folder can be made.
    explicit TempFolder(const std::string& prefix = "tallyman",
        const std::filesystem::path& base = std::filesystem::temp_directory_path());
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

    std::string read(const std::string& name) const { return readFile(m_path / name); }
    void write(const std::string& name, const std::string& bytes) const { writeFile(m_path / name, bytes); }
    bool has(const std::string& name) const { return std::filesystem::exists(m_path / name); }
    // Every entry with its bytes (see folderSnapshot).
    std::map<std::string, std::string> snapshot(bool plainFilesOnly = false) const
    {
        return folderSnapshot(m_path, plainFilesOnly);
    }
    // Removes what the folder holds and keeps the folder.
    void clear() const;

private:
    std::filesystem::path m_path;
};

} // namespace tallyman::test
