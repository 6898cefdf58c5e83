// The help texts of tallyman-cli and its commands.
#pragma once

#include <string>

namespace tallyman::cli {

// The help of a command ("calc"; "user set" gives the help of "user") or of the program ("").
std::string usage(const std::string& topic);

} // namespace tallyman::cli
