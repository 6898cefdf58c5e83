#include "support/temp_folder.h"

#include <stdexcept>
#include <stdlib.h>

namespace tallyman::test {

std::filesystem::path memoryFolderBase()
{
    return std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                     : std::filesystem::temp_directory_path();
}

TempFolder::TempFolder(const std::string& prefix, const std::filesystem::path& base)
{
    std::string pattern = (base / (prefix + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder in " + base.string());
    m_path = pattern;
}

TempFolder::~TempFolder()
{
    // A test may have left the folder read-only to see a save refused.
    std::error_code ec;
    std::filesystem::permissions(
        m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

void TempFolder::clear() const
{
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(m_path, ec))
        std::filesystem::remove_all(entry.path(), ec);
}

} // namespace tallyman::test
