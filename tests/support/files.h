// Whole files as strings, as the tests write what a program finds and read what it left.
#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace tallyman::test {

// The bytes of a file; empty when there is none to read.
std::string readFile(const std::filesystem::path& path);

// Writes `bytes` as the whole file. Throws when it cannot: set-up that did not happen fails
// the test instead of letting it check something else.
void writeFile(const std::filesystem::path& path, const std::string& bytes);

// The folder's entries with their bytes; only its plain files when asked (a test may have put
// a pipe or a folder where a file belongs).
std::map<std::string, std::string> folderSnapshot(
    const std::filesystem::path& dir, bool plainFilesOnly = false);

} // namespace tallyman::test
