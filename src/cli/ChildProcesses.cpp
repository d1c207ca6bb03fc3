// Child processes through posix_spawn: the one place the command line starts
// other programs.
#include "cli/ChildProcesses.h"

#include "common/Errors.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace mirelo::cli {

namespace {

// The environment of this process with the launch's variables set.
std::vector<std::string> EnvironmentOf(const Launch& launch)
{
    std::vector<std::string> entries;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        bool replaced = false;
        for (const auto& [name, value] : launch.environment)
            replaced = replaced || entry.starts_with(name + "=");
        if (!replaced)
            entries.push_back(entry);
    }
    for (const auto& [name, value] : launch.environment)
        entries.push_back(name + "=" + value);
    return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

pid_t Start(const Launch& launch)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!launch.workingFolder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, launch.workingFolder.c_str());
    if (!launch.logPath.empty()) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, launch.logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    }
    std::vector<std::string> arguments{launch.program};
    arguments.insert(arguments.end(), launch.arguments.begin(), launch.arguments.end());
    std::vector<std::string> environment = EnvironmentOf(launch);
    pid_t pid = 0;
    const int failure = posix_spawn(&pid, launch.program.c_str(), &actions, nullptr, Pointers(arguments).data(),
                                    Pointers(environment).data());
    posix_spawn_file_actions_destroy(&actions);
    if (failure != 0)
        throw Error("Cannot start " + launch.program + ": " + std::strerror(failure));
    return pid;
}

int WaitFor(pid_t pid)
{
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return 127;
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 127;
}

} // namespace

std::vector<int> RunTogether(const std::vector<Launch>& launches)
{
    std::vector<pid_t> started;
    std::vector<int> statuses;
    try {
        for (const Launch& launch : launches)
            started.push_back(Start(launch));
    } catch (const Error&) {
        for (const pid_t pid : started)
            WaitFor(pid);
        throw;
    }
    for (const pid_t pid : started)
        statuses.push_back(WaitFor(pid));
    return statuses;
}

std::string ProgramFolder()
{
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path().string();
}

} // namespace mirelo::cli
