// Where both programs keep the users' files and find the data installed with them.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tallyman {

// --dir, else the environment's TALLYMAN_DIR, else the desktop's application data folder
// ($XDG_DATA_HOME/Tallyman, ~/.local/share/Tallyman). An empty variable counts as not set.
struct DataFolderChoice {
    std::filesystem::path dir;
    bool isDefault = false; // the application data folder, which is created on first use
};
DataFolderChoice chooseDataFolder(const std::optional<std::string>& dirOption);

// The chosen data folder, created when it does not exist yet, as an absolute path; nothing
// when it cannot be made.
std::optional<std::filesystem::path> prepareDataFolder(const std::filesystem::path& folder);

// ../share/tallyman beside the folder of the running program when it is there, else the
// source tree's data/ (a build run from the tree).
std::filesystem::path installedDataFolder();
// The same beside `executableDir`.
std::filesystem::path installedDataFolder(const std::filesystem::path& executableDir);

} // namespace tallyman
