// tallyman-cli as a function: the arguments (without the program name) in, text or JSON out.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tallyman::cli {

enum ExitCode : int {
    ExitDone = 0,
    ExitBadArguments = 1, // the usage follows the reason on stderr
    ExitDataProblem = 2, // the program reported a problem, or refused a value
};

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace tallyman::cli
