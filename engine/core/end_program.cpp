#include "engine/core/end_program.h"
#include <cstdio>
#include <cstdlib>

namespace wispwood {

namespace {
EndProgramHandler gHandler = nullptr;
}

void SetEndProgramHandler(EndProgramHandler handler) { gHandler = handler; }

void EndProgram() {
    if (gHandler) gHandler();
    std::fflush(nullptr);
    std::exit(0);
}

} // namespace wispwood
