// Program entry: the Linux conventions (--help, --version), then the game's
// own start-up and scene loop.
#include "engine/core/runtime_error.h"
#include "engine/io/print_line.h"
#include "game/app/startup.h"
#include "game/app/version.h"
#include <cstdio>

int main(int argc, char** argv) {
    using namespace wispwood;
    TextArray words(argv + 1, argv + argc);
    if (!words.empty() && words[0] == "--help") {
        PrintLine("Usage: wispwood [WORD]");
        PrintLine("Starts the game from the folder that holds its media tree.");
        PrintLine("  runN     start adventure location N straight after loading");
        PrintLine("  test     accelerated updates with automatic play");
        PrintLine("  images   capture every location's board, then quit");
        PrintLine("  --help, --version");
        PrintLine("Settings, profiles and high scores: $XDG_DATA_HOME/Wispwood/");
        return 0;
    }
    if (!words.empty() && words[0] == "--version") {
        PrintLine(VersionText());
        return 0;
    }
    try {
        if (!StartUp(words)) {
            std::fprintf(stderr, "Wispwood could not open a display (not even an 800 x 600 window).\n");
            return 1;
        }
        RunGame();
    } catch (const RuntimeError& error) {
        PresentRuntimeError(error.what());
        return 1;
    }
}
