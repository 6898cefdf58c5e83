#include "support/files.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tallyman::test {

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::map<std::string, std::string> folderSnapshot(const std::filesystem::path& dir, bool plainFilesOnly)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (!plainFilesOnly || entry.is_regular_file())
            files[entry.path().filename().string()] = readFile(entry.path());
    return files;
}

} // namespace tallyman::test
