#include "support/golden.h"

#include "support/files.h"

#include <gtest/gtest.h>

namespace tallyman::test {

namespace {

std::filesystem::path dataFile(const std::string& name)
{
    return std::filesystem::path(TALLYMAN_TEST_DATA_DIR) / name;
}

} // namespace

void expectGolden(const std::string& name, const std::string& actual, std::source_location caller)
{
    const ::testing::ScopedTrace trace(caller.file_name(), static_cast<int>(caller.line()), "golden " + name);
    const auto path = dataFile(name);
    if (!std::filesystem::exists(path)) {
        ADD_FAILURE() << "missing golden file " << path << "; this run produced:\n" << actual;
        return;
    }
    EXPECT_EQ(actual, readFile(path)) << "differs from " << path;
}

std::string testData(const std::string& name)
{
    const auto path = dataFile(name);
    EXPECT_TRUE(std::filesystem::exists(path)) << "missing " << path;
    return readFile(path);
}

} // namespace tallyman::test
