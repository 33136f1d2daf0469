#include "engine/core/runtime_error.h"
#include <cstdio>

namespace wispwood {

namespace {
RuntimeErrorPresenter gPresenter = nullptr;
}

void RaiseRuntimeError(const Text& message) {
    throw RuntimeError(message);
}

void SetRuntimeErrorPresenter(RuntimeErrorPresenter presenter) {
    gPresenter = presenter;
}

void PresentRuntimeError(const Text& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    std::fflush(stderr);
    if (gPresenter) gPresenter(message);
}

} // namespace wispwood
