// What the fuzz targets share: a scratch folder in memory and inputs cut into several files.
#pragma once

#include "support/temp_folder.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
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

// A folder of this process on tmpfs when there is one, emptied for each input and removed
// when the process ends.
inline const tallyman::test::TempFolder& scratch()
{
    static const tallyman::test::TempFolder folder("tallyman-fuzz", tallyman::test::memoryFolderBase());
    return folder;
}

inline const std::filesystem::path& scratchFolder() { return scratch().path(); }
inline void emptyScratch() { scratch().clear(); }
inline void writeScratch(const std::string& name, const std::string& bytes) { scratch().write(name, bytes); }
inline std::string readScratch(const std::string& name) { return scratch().read(name); }

// A fault the sanitizers would not see: a property of the program does not hold.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);         \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

} // namespace tallyman::fuzz
