// What the fuzz targets share: a scratch folder in memory and inputs cut into several files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace tallyman::fuzz {

// The bytes between the files of a multi-file input (a profile set, ...).
inline constexpr char FileSeparator = '\x1e';

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size)
{
    return { reinterpret_cast<const char*>(data), size };
}

// `count` parts; missing parts are absent (nullopt-like: marked by `present`).
struct Parts {
    std::vector<std::string> texts;
    std::vector<bool> present;
};

inline Parts splitFiles(std::string_view input, std::size_t count)
{
    Parts parts { std::vector<std::string>(count), std::vector<bool>(count, false) };
    std::size_t start = 0;
    for (std::size_t i = 0; i < count && start <= input.size(); ++i) {
        const auto end = input.find(FileSeparator, start);
        const auto stop = end == std::string_view::npos ? input.size() : end;
        parts.texts[i] = std::string(input.substr(start, stop - start));
        parts.present[i] = true;
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return parts;
}

// A folder of this process on tmpfs when there is one, emptied for each input.
inline const std::filesystem::path& scratchFolder()
{
    static const std::filesystem::path folder = [] {
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
            ? std::filesystem::path("/dev/shm")
            : std::filesystem::temp_directory_path();
        std::string pattern = (base / "tallyman-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        return std::filesystem::path(pattern);
    }();
    return folder;
}

inline void emptyScratch()
{
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(scratchFolder(), ec))
        std::filesystem::remove_all(entry.path(), ec);
}

inline void writeScratch(const std::string& name, const std::string& bytes)
{
    std::ofstream(scratchFolder() / name, std::ios::binary) << bytes;
}

inline std::string readScratch(const std::string& name)
{
    std::ifstream in(scratchFolder() / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A fault the sanitizers would not see: a property of the program does not hold.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);         \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

} // namespace tallyman::fuzz
