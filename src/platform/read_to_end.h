// Reading an open file descriptor to its end, through interrupted reads.
#pragma once

#include <string>

namespace tallyman {

// Appends everything left to read from `fd` to `bytes`; false when a read failed (what came
// before the failure stays appended).
bool readToEnd(int fd, std::string& bytes);

} // namespace tallyman
