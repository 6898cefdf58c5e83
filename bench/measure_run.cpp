// measure-run: runs one command and prints, for the whole process, its wall time and its
// processor time (user + system) in microseconds and its peak resident memory in kilobytes, on
// one line ("1234 1100 5678"). On a loaded machine the wall time is mostly waiting for a
// processor; the processor time is the work the program itself did. The command's own output
// goes to /dev/null. Exits with 1 when the command cannot start or does not end with 0.
#include <cstdio>
#include <ctime>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

long long microseconds(const timespec& t)
{
    return static_cast<long long>(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

long long microseconds(const timeval& t) { return static_cast<long long>(t.tv_sec) * 1000000 + t.tv_usec; }

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: measure-run COMMAND [ARGUMENT...]\n");
        return 2;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    timespec start {};
    timespec end {};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t child = 0;
    if (posix_spawnp(&child, argv[1], &actions, nullptr, argv + 1, environ) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    int status = 0;
    rusage usage {};
    if (wait4(child, &status, 0, &usage) != child) {
        std::perror("wait4");
        return 1;
    }
    clock_gettime(CLOCK_MONOTONIC, &end);
    posix_spawn_file_actions_destroy(&actions);

    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not end normally (status %d)\n", argv[1], status);
        return 1;
    }
    std::printf("%lld %lld %ld\n", microseconds(end) - microseconds(start),
        microseconds(usage.ru_utime) + microseconds(usage.ru_stime), usage.ru_maxrss);
    return 0;
}
