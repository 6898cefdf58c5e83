// Running tallyman-cli in-process on a temporary data folder.
#pragma once

#include "cli/run.h"
#include "support/data_folder.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <filesystem>
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

using tallyman::test::expectGolden;
using tallyman::test::folderSnapshot;
using tallyman::test::readFile;
using tallyman::test::writeFile;

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

// A fresh data folder holding the shipped federal table, removed afterwards.
class DataFolderFixture {
    tallyman::test::FreshDataFolder m_folder { "tallyman-cli" };

public:
    // tallyman-cli --dir <folder> --today 1/5/2024 <args...>
    CliResult run(const std::vector<std::string>& args) const { return runCliIn(dir, args); }

    // Every file of the folder with its bytes.
    std::map<std::string, std::string> snapshot() const { return m_folder.snapshot(); }

    std::string file(const std::string& name) const { return m_folder.read(name); }
    bool has(const std::string& name) const { return m_folder.has(name); }

    const std::filesystem::path dir = m_folder.path();
};

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
