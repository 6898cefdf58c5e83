// Where the CLI finds the user's data folder and the data installed with the program.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tallyman::cli {

// --dir, else the environment's TALLYMAN_DIR, else the desktop's application data folder
// ($XDG_DATA_HOME/Tallyman, ~/.local/share/Tallyman).
struct DataFolderChoice {
    std::filesystem::path dir;
    bool isDefault = false; // the application data folder, which is created on first use
};
DataFolderChoice chooseDataFolder(const std::optional<std::string>& dirOption);

// share/tallyman beside the installed program, else the data/ of the source tree it was built from.
std::filesystem::path installedDataFolder();

} // namespace tallyman::cli
