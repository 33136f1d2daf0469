#pragma once
// SIGINT and SIGTERM become close requests, handled like the window's close
// button so the game can shut down in order. The handler only notes the
// signal; the event loop delivers it. A second signal arriving before the
// first was taken ends the process the default way, so a program that has
// stopped polling can still be interrupted.
namespace wispwood {

void InstallCloseSignalHandlers();
// true once for each noted signal.
bool TakeCloseSignal();

} // namespace wispwood
