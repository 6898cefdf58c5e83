#include "platform/read_to_end.h"

#include <cerrno>
#include <unistd.h>

namespace tallyman {

bool readToEnd(int fd, std::string& bytes)
{
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

} // namespace tallyman
