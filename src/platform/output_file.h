// Files a person asks for by name (a PDF, an exported workbook): written whole beside the
// name and renamed over it, private to their owner, and never written through whatever else
// stands under that name.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tallyman {

// Why nothing may be written at `path`: no file name, a folder that does not exist, or a name
// taken by something other than a regular file (a folder, a device, a pipe, a socket). A link
// is judged by what it names; the new file replaces the link, not the file it names. Nothing
// when a new file may go there.
std::optional<std::string> outputFileProblem(const std::filesystem::path& path);

// The temporary an output file is written to first: ".NAME.tmp-" and six characters, in the
// target's folder, so the rename never crosses file systems.
std::string outputTemporaryTemplate(const std::filesystem::path& target);

// A private (0600) temporary beside `target`, locked while it lives (a clean-up leaves it).
// Removed on destruction unless committed.
class OutputFile {
public:
    // Nothing, with the reason in `whyNot`, when the temporary cannot be made.
    static std::optional<OutputFile> create(const std::filesystem::path& target, std::string& whyNot);
    OutputFile(OutputFile&& other) noexcept;
    OutputFile& operator=(OutputFile&&) = delete;
    OutputFile(const OutputFile&) = delete;
    ~OutputFile();

    const std::filesystem::path& temporary() const { return m_temporary; }
    const std::filesystem::path& target() const { return m_target; }

    // Writes `bytes` into the temporary (for writers that do not open it by name themselves).
    // Nothing, or the reason.
    std::optional<std::string> write(std::string_view bytes);

    // Flushes the temporary to the disk and renames it over the target, checked again just
    // before. On failure the reason; the temporary is gone and the target as it was.
    std::optional<std::string> commit();

private:
    OutputFile(std::filesystem::path target, std::filesystem::path temporary, int fd);
    void discard();

    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    int m_fd = -1;
};

// `bytes` as the file `target`, through an OutputFile. Nothing, or the reason.
std::optional<std::string> writeOutputFile(const std::filesystem::path& target, std::string_view bytes);

// Why the file at `path` is not a whole PDF (one that ends in its trailer, whose cross
// reference is where the trailer says), or nothing when it is. A disk that filled up is named.
std::optional<std::string> unfinishedPdfReason(const std::filesystem::path& path);

// Makes `folder` if missing, or opens it, and closes it to others (0700), refusing a link, a
// name that is not a folder, and a folder someone else owns. Permissions are set on the folder
// opened, never through a link. Nothing, or the reason.
std::optional<std::string> preparePrivateFolder(const std::filesystem::path& folder);

} // namespace tallyman
