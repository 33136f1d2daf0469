#include "tests/support/program_run.h"
#include "tests/support/paths.h"
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace wispwood::test {

pid_t Launch(const std::string& program, const std::string& folder, const std::vector<std::string>& env,
             const std::vector<std::string>& args, const std::string& errorLog) {
    std::vector<std::string> envStrings;
    for (char** e = environ; *e; ++e) {
        std::string entry = *e;
        bool replaced = false;
        for (const auto& mine : env)
            if (entry.compare(0, mine.find('=') + 1, mine, 0, mine.find('=') + 1) == 0) replaced = true;
        if (!replaced) envStrings.push_back(entry);
    }
    envStrings.insert(envStrings.end(), env.begin(), env.end());
    std::vector<char*> envp, argv;
    for (auto& s : envStrings) envp.push_back(s.data());
    envp.push_back(nullptr);
    std::string name = program;
    argv.push_back(name.data());
    std::vector<std::string> argCopies = args;
    for (auto& a : argCopies) argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    if (!errorLog.empty())
        posix_spawn_file_actions_addopen(&actions, 2, errorLog.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

pid_t LaunchGame(const std::vector<std::string>& env, const std::vector<std::string>& args) {
    return Launch("./wispwood", GamePath(""), env, args);
}

int WaitFor(pid_t pid, int seconds) {
    for (int i = 0; i < seconds * 20; ++i) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) return status;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    return -1;
}

namespace {

// User and system time of a running process, in seconds; -1 once it is gone.
double ProcessorSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return -1;
    // The command name may hold spaces; the fields after it are plain.
    size_t close = line.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    long ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i)
        if (i == 14 || i == 15) ticks += std::stol(field);
    return static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

bool LogSays(const std::string& errorLog, const std::string& wanted) {
    std::ifstream log(errorLog);
    std::stringstream text;
    text << log.rdbuf();
    return text.str().find(wanted) != std::string::npos;
}

} // namespace

bool WaitUntilWorked(pid_t pid, double cpuSeconds, int deadlineSeconds, const std::string& errorLog,
                     const std::string& wanted) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(deadlineSeconds);
    while (std::chrono::steady_clock::now() < deadline) {
        // Ended (a zombie still has a stat file): look without reaping it.
        siginfo_t info{};
        if (waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
            info.si_pid == pid)
            return false;
        double used = ProcessorSeconds(pid);
        if (used < 0) return false;
        bool said = wanted.empty() || LogSays(errorLog, wanted);
        if (said && used >= cpuSeconds) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

int RunThenTerminate(pid_t pid, int seconds) {
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    if (kill(pid, SIGTERM) != 0) return -1;
    return WaitFor(pid, 20);
}

std::string FindOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    if (!path) return "";
    std::string all = path;
    size_t start = 0;
    while (start <= all.size()) {
        size_t end = all.find(':', start);
        if (end == std::string::npos) end = all.size();
        std::string candidate = all.substr(start, end - start) + "/" + name;
        if (end > start && access(candidate.c_str(), X_OK) == 0) return candidate;
        start = end + 1;
    }
    return "";
}

} // namespace wispwood::test
