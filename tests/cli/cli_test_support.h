// Running tallyman-cli in-process on a temporary data folder, and golden files.
#pragma once

#include "cli/run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace tallyman::cli::test {

struct CliResult {
    int code = -1;
    std::string out;
    std::string err;
};

inline std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh data folder holding the shipped federal table, removed afterwards.
// tallyman-cli --dir <dir> --today 1/5/2024 <args...>, in-process.
inline CliResult runCliIn(const std::filesystem::path& dir, const std::vector<std::string>& args)
{
    std::vector<std::string> all { "--dir", dir.string(), "--today", "1/5/2024" };
    all.insert(all.end(), args.begin(), args.end());
    std::ostringstream out, err;
    CliResult result;
    result.code = cli::run(all, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

// The folder's entries with their bytes; only its plain files when asked (a test may have
// put a pipe or a folder where a file belongs).
inline std::map<std::string, std::string> folderSnapshot(const std::filesystem::path& dir, bool plainFilesOnly = false)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (!plainFilesOnly || entry.is_regular_file())
            files[entry.path().filename().string()] = readFile(entry.path());
    return files;
}

class DataFolderFixture {
public:
    DataFolderFixture()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tallyman-cli-XXXXXX").string();
        dir = ::mkdtemp(pattern.data());
        std::filesystem::copy_file(
            std::filesystem::path(TALLYMAN_DATA_DIR) / "Federal24.dtt", dir / "Federal24.dtt");
    }
    ~DataFolderFixture()
    {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    DataFolderFixture(const DataFolderFixture&) = delete;
    DataFolderFixture& operator=(const DataFolderFixture&) = delete;

    // tallyman-cli --dir <folder> --today 1/5/2024 <args...>
    CliResult run(const std::vector<std::string>& args) const { return runCliIn(dir, args); }

    // Every file of the folder with its bytes.
    std::map<std::string, std::string> snapshot() const { return folderSnapshot(dir); }

    std::string file(const std::string& name) const { return readFile(dir / name); }
    bool has(const std::string& name) const { return std::filesystem::exists(dir / name); }

    std::filesystem::path dir;
};

// Compares with tests/data/cli/<name>; TALLYMAN_UPDATE_GOLDEN=1 rewrites the file instead.
inline void expectGolden(const std::string& name, const std::string& actual)
{
    const auto path = std::filesystem::path(TALLYMAN_TEST_DATA_DIR) / "cli" / name;
    if (const char* update = std::getenv("TALLYMAN_UPDATE_GOLDEN"); update && *update == '1') {
        writeFile(path, actual);
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(path)) << "missing golden file " << path;
    EXPECT_EQ(actual, readFile(path)) << "differs from " << path;
}

// A folder holding the new user Alice, and commands run on her.
class AliceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(folder.run({ "user", "new", "Alice" }).code, 0); }
    CliResult alice(std::vector<std::string> args)
    {
        args.insert(args.begin(), { "--user", "Alice" });
        return folder.run(args);
    }
    DataFolderFixture folder;
};

} // namespace tallyman::cli::test
