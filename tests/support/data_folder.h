// The data folder the command-line and screen tests start from.
#pragma once

#include "support/temp_folder.h"

namespace tallyman::test {

// A fresh data folder as a first start finds it: the shipped federal table and nothing else.
class FreshDataFolder : public TempFolder {
public:
    explicit FreshDataFolder(const std::string& prefix = "tallyman",
        const std::filesystem::path& base = std::filesystem::temp_directory_path());
};

} // namespace tallyman::test
