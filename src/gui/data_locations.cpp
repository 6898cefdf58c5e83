// Choosing the data folder and the installed data.
#include "gui/data_locations.h"

#include "storage/fileset.h"

#include <system_error>

namespace tallyman::gui {

std::filesystem::path chooseDataFolder(
    const QString& dirOption, const QString& environment, const QString& standard)
{
    for (const QString& candidate : { dirOption, environment, standard })
        if (!candidate.isEmpty())
            return std::filesystem::path(candidate.toStdString());
    return std::filesystem::current_path();
}

std::optional<std::filesystem::path> prepareDataFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    if (!createDataFolder(folder))
        return std::nullopt;
    return std::filesystem::absolute(folder, error);
}

std::filesystem::path installedDataFolder(const QString& executableDir)
{
    std::error_code error;
    const auto installed = std::filesystem::path(executableDir.toStdString()) / ".." / "share" / "tallyman";
    if (std::filesystem::is_directory(installed, error))
        return installed.lexically_normal();
    return std::filesystem::path(TALLYMAN_SOURCE_DATA_DIR);
}

} // namespace tallyman::gui
