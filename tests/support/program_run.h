#pragma once
// Starting the real program (or a helper tool) as a separate process from
// a test, with an environment of its own, and waiting for it to end.
#include <string>
#include <sys/types.h>
#include <vector>

namespace wispwood::test {

// Runs program from folder with the test's environment, each "NAME=value"
// of env replacing or adding a variable; the pid, or -1. With an error log
// path, what the program prints on stderr goes to that file.
pid_t Launch(const std::string& program, const std::string& folder, const std::vector<std::string>& env,
             const std::vector<std::string>& args, const std::string& errorLog = "");
// The game from the built game folder.
pid_t LaunchGame(const std::vector<std::string>& env, const std::vector<std::string>& args);
// The wait status once the process has ended; after seconds it is killed
// and -1 is returned.
int WaitFor(pid_t pid, int seconds);
// Waits until the process has spent the given seconds of processor time of
// its own (so that it has come as far as it would on a quiet machine,
// however loaded this one is), or until it has said what is wanted on its
// error log when that is given. False when it ended first or the deadline
// passed.
bool WaitUntilWorked(pid_t pid, double cpuSeconds, int deadlineSeconds, const std::string& errorLog = "",
                     const std::string& wanted = "");
// Lets the process run for the given seconds, asks it to stop with SIGTERM
// as a desktop session would, and returns the wait status (or -1 when it
// did not end within 20 seconds, and was killed).
int RunThenTerminate(pid_t pid, int seconds);
// The full path of a program found on $PATH, or "" when there is none.
std::string FindOnPath(const std::string& name);

} // namespace wispwood::test
