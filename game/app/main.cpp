// Program entry. The start-up sequence and the scene loop replace this body
// as they land; until then the program only proves that the layers link.
#include "engine/core/runtime_error.h"
#include "engine/io/print_line.h"

int main(int argc, char** argv) {
    (void)argc;
    (void)argv;
    try {
        wispwood::PrintLine("Wispwood");
    } catch (const wispwood::RuntimeError& error) {
        wispwood::PresentRuntimeError(error.what());
        return 1;
    }
    return 0;
}
