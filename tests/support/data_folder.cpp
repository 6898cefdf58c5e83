#include "support/data_folder.h"

namespace tallyman::test {

FreshDataFolder::FreshDataFolder(const std::string& prefix, const std::filesystem::path& base)
    : TempFolder(prefix, base)
{
    std::filesystem::copy_file(
        std::filesystem::path(TALLYMAN_DATA_DIR) / "Federal24.dtt", path() / "Federal24.dtt");
}

} // namespace tallyman::test
