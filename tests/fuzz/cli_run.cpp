// The command line through cli::run: the input is the arguments, separated by NUL bytes,
// run on a scratch data folder that holds one user. Paths are kept inside that folder.
#include "cli/run.h"
#include "fuzz_support.h"

#include <sstream>

using namespace tallyman;

namespace {

// A date ("1/5/2024") may hold slashes; nothing else may name another folder.
bool staysInside(const std::string& arg)
{
    if (arg.find('/') == std::string::npos)
        return true;
    return arg.find_first_not_of("0123456789/") == std::string::npos;
}

void prepareFolder()
{
    static int runs = 0;
    // Commands create users; start afresh now and then so the folder stays small.
    if (runs++ % 200 != 0)
        return;
    fuzz::emptyScratch();
    std::ostringstream out, err;
    cli::run({ "--dir", fuzz::scratchFolder().string(), "user", "new", "Alice" }, out, err);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ::setenv("TALLYMAN_DIR", fuzz::scratchFolder().c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> args { "--dir", fuzz::scratchFolder().string(), "--today", "1/5/2024" };
    std::string_view input = fuzz::bytesOf(data, size);
    while (!input.empty() && args.size() < 64) {
        const auto end = input.find('\0');
        std::string arg(input.substr(0, end));
        if (arg.rfind("--dir", 0) == 0 || !staysInside(arg))
            return 0;
        args.push_back(std::move(arg));
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    prepareFolder();
    std::ostringstream out, err;
    const int code = cli::run(args, out, err);
    FUZZ_CHECK(code == 0 || code == 1 || code == 2);
    // A refusal always says why.
    FUZZ_CHECK(code == 0 || !err.str().empty());
    return 0;
}
