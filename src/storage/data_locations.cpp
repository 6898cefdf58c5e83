// Choosing the data folder and finding the installed data.
#include "storage/data_locations.h"

#include "storage/fileset.h"

#include <cstdlib>
#include <system_error>

namespace tallyman {

namespace {

std::optional<std::string> environment(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0')
        return std::nullopt;
    return std::string(value);
}

} // namespace

DataFolderChoice chooseDataFolder(const std::optional<std::string>& dirOption)
{
    if (dirOption)
        return { *dirOption, false };
    if (const auto dir = environment("TALLYMAN_DIR"))
        return { *dir, false };
    std::filesystem::path base;
    if (const auto xdg = environment("XDG_DATA_HOME"))
        base = *xdg;
    else if (const auto home = environment("HOME"))
        base = std::filesystem::path(*home) / ".local" / "share";
    else
        base = std::filesystem::current_path();
    return { base / "Tallyman", true };
}

std::optional<std::filesystem::path> prepareDataFolder(const std::filesystem::path& folder)
{
    if (!createDataFolder(folder))
        return std::nullopt;
    std::error_code error;
    return std::filesystem::absolute(folder, error);
}

std::filesystem::path installedDataFolder(const std::filesystem::path& executableDir)
{
    std::error_code error;
    const auto installed = executableDir / ".." / "share" / "tallyman";
    if (std::filesystem::is_directory(installed, error))
        return installed.lexically_normal();
    return std::filesystem::path(TALLYMAN_DATA_DIR);
}

std::filesystem::path installedDataFolder()
{
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::path(TALLYMAN_DATA_DIR);
    return installedDataFolder(program.parent_path());
}

} // namespace tallyman
