#include "ExternalTool.h"

#include <spawn.h>
#include <sys/wait.h>

#include <ctime>

extern char** environ;

namespace dirdock::bench {

double MonotonicSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double TimeShellCommand(const std::string& command)
{
    std::string shell = "/bin/sh", flag = "-c", text = command;
    char* argv[] = {shell.data(), flag.data(), text.data(), nullptr};
    const double start = MonotonicSeconds();
    pid_t child = 0;
    if (::posix_spawn(&child, "/bin/sh", nullptr, nullptr, argv, environ) != 0)
        return -1;
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return MonotonicSeconds() - start;
}

} // namespace dirdock::bench
