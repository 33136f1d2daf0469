#pragma once
// Ends the program at once (after the caller has saved what it must). The
// handler is replaceable so that a test harness running the game in-process
// can stop at that point instead of ending the test binary.
namespace wispwood {

using EndProgramHandler = void (*)();

[[noreturn]] void EndProgram();
// Null restores the default, which exits the process with status 0.
void SetEndProgramHandler(EndProgramHandler handler);

} // namespace wispwood
