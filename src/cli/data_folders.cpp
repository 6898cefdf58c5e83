// Data folder lookup.
#include "cli/data_folders.h"

#include "engine/federal.h"

#include <cstdlib>

namespace tallyman::cli {

DataFolderChoice chooseDataFolder(const std::optional<std::string>& dirOption)
{
    if (dirOption)
        return { *dirOption, false };
    if (const char* env = std::getenv("TALLYMAN_DIR"); env && *env)
        return { env, false };
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::filesystem::path(home) / ".local" / "share";
    else
        base = std::filesystem::current_path();
    return { base / "Tallyman", true };
}

std::filesystem::path installedDataFolder()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const auto beside = exe.parent_path().parent_path() / "share" / "tallyman";
        if (std::filesystem::exists(beside / std::string(FedTableFileName), ec))
            return beside;
    }
    return TALLYMAN_DATA_DIR;
}

} // namespace tallyman::cli
