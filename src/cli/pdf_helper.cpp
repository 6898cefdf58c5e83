// Running the PDF painter: the job goes in on its standard input, its last complaint comes
// back on its standard error.
#include "cli/pdf_helper.h"

#include "platform/output_file.h"
#include "platform/read_to_end.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tallyman::cli {

namespace {

constexpr const char* HelperName = "tallyman-pdf";

bool writeAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The painter's last line of complaint (Qt may have warned about other things before it).
std::string lastLine(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    const auto newline = text.rfind('\n');
    return newline == std::string::npos ? text : text.substr(newline + 1);
}

// Closes both ends of each pipe made so far.
struct Pipes {
    int in[2] = { -1, -1 };
    int err[2] = { -1, -1 };
    ~Pipes()
    {
        for (int fd : { in[0], in[1], err[0], err[1] })
            if (fd >= 0)
                ::close(fd);
    }
    static void closeEnd(int& fd)
    {
        ::close(fd);
        fd = -1;
    }
};

} // namespace

std::filesystem::path findPdfHelper()
{
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return {};
    const auto folder = self.parent_path();
    for (const auto& candidate : { folder / HelperName, folder / ".." / "libexec" / "tallyman" / HelperName })
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate.lexically_normal();
    return {};
}

PdfHelperPrinter::PdfHelperPrinter(std::filesystem::path helper, std::string pdfPath)
    : m_helper(std::move(helper))
    , m_pdfPath(std::move(pdfPath))
{ }

bool PdfHelperPrinter::finishJob()
{
    const std::string cannot = "cannot write the PDF " + m_pdfPath + ": ";
    if (const auto problem = outputFileProblem(m_pdfPath))
        return fail(cannot + *problem);
    // The painter writes a private temporary beside the file; only a whole PDF replaces it.
    std::string whyNot;
    auto output = OutputFile::create(m_pdfPath, whyNot);
    if (!output)
        return fail(cannot + whyNot);
    const std::string temporary = output->temporary().string();
    Pipes pipes;
    if (::pipe2(pipes.in, O_CLOEXEC) != 0 || ::pipe2(pipes.err, O_CLOEXEC) != 0)
        return fail(cannot + std::strerror(errno));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipes.in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, pipes.err[1], STDERR_FILENO);
    const std::string program = m_helper.string();
    char* const argv[]
        = { const_cast<char*>(program.c_str()), const_cast<char*>(temporary.c_str()), nullptr };
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return fail(cannot + "cannot start " + program + ": " + std::strerror(spawned));
    Pipes::closeEnd(pipes.in[0]);
    Pipes::closeEnd(pipes.err[1]);

    // The painter reads the whole job before it says anything; should it end early, the
    // write fails instead of the broken pipe ending this program.
    struct sigaction ignore {
    }, previous {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignore, &previous);
    writeAll(pipes.in[1], job());
    Pipes::closeEnd(pipes.in[1]);
    ::sigaction(SIGPIPE, &previous, nullptr);
    std::string standardError;
    readToEnd(pipes.err[0], standardError); // what came before a failed read is still its say
    // The person knows the file by the name they gave, not by its temporary.
    std::string complaint = lastLine(standardError);
    for (auto at = complaint.find(temporary); at != std::string::npos; at = complaint.find(temporary, at))
        complaint.replace(at, temporary.size(), m_pdfPath);

    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) { }
    // A killed painter's last words are whatever Qt warned about before: the signal is the reason.
    if (WIFSIGNALED(status))
        return fail(cannot + program + " was killed by signal " + std::to_string(WTERMSIG(status)));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        if (complaint.empty())
            complaint = program + " ended with status " + std::to_string(WEXITSTATUS(status));
        return fail(cannot + complaint);
    }
    if (const auto problem = output->commit())
        return fail(cannot + *problem);
    return true;
}

std::unique_ptr<ui::Printer> makeHelperPdfPrinter(const std::string& pdfPath, std::string& whyNot)
{
    if (const auto problem = ui::pdfPathProblem(pdfPath)) {
        whyNot = *problem;
        return nullptr;
    }
    auto helper = findPdfHelper();
    if (helper.empty()) {
        whyNot
            = "cannot write PDF files: " + std::string(HelperName) + " is not installed beside tallyman-cli";
        return nullptr;
    }
    return std::make_unique<PdfHelperPrinter>(std::move(helper), pdfPath);
}

} // namespace tallyman::cli
