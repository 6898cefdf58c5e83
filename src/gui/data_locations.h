// Where the program keeps its data and finds the files installed with it.
#pragma once

#include <QString>

#include <filesystem>
#include <optional>

namespace tallyman::gui {

// The data folder: the --dir option when given, else the TALLYMAN_DIR environment variable,
// else the desktop's application data folder. `environment` and `standard` stand for those
// two, so the choice can be tested.
std::filesystem::path chooseDataFolder(
    const QString& dirOption, const QString& environment, const QString& standard);

// The chosen data folder, created when it does not exist yet; nothing when it cannot be.
std::optional<std::filesystem::path> prepareDataFolder(const std::filesystem::path& folder);

// The data installed with the program: ../share/tallyman beside the executable's folder when
// it is there, else the source tree's data/ (a build run from the tree).
std::filesystem::path installedDataFolder(const QString& executableDir);

} // namespace tallyman::gui
