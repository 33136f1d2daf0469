#pragma once
// The run-time error: the one failure that crosses layers. It carries the
// message shown to the player; the program entry catches it, presents it and
// ends. Tests catch it like any exception.
#include "engine/core/text.h"
#include <stdexcept>

namespace wispwood {

class RuntimeError : public std::runtime_error {
  public:
    explicit RuntimeError(const Text& message) : std::runtime_error(message) {}
};

// Raised by the exact stream reads and writes when the bytes are not there.
class StreamReadError : public RuntimeError {
  public:
    StreamReadError() : RuntimeError("Error reading from stream") {}
};

class StreamWriteError : public RuntimeError {
  public:
    StreamWriteError() : RuntimeError("Error writing to stream") {}
};

[[noreturn]] void RaiseRuntimeError(const Text& message);

// Shows a run-time error to the player. Standard error always gets the
// message; the engine installs a presenter that also shows a message box.
using RuntimeErrorPresenter = void (*)(const Text& message);
void SetRuntimeErrorPresenter(RuntimeErrorPresenter presenter);
void PresentRuntimeError(const Text& message);

} // namespace wispwood
