// Program entry: the Linux conventions (--help, --version), then the game's
// own start-up and scene loop.
#include "engine/core/runtime_error.h"
#include "engine/io/print_line.h"
#include "game/app/replay_run.h"
#include "game/app/startup.h"
#include "game/services/install_folder.h"
#include "game/services/start_flags.h"
#include "game/services/version.h"
#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    using namespace wispwood;
    TextArray words(argv + 1, argv + argc);
    if (!words.empty() && words[0] == "--help") {
        PrintLine("Usage: wispwood [WORD | replay FILE [--headless]]");
        PrintLine("Starts the game; its media are found beside the program or in");
        PrintLine("../share/wispwood from the program's folder.");
        PrintLine("  runN     start adventure location N straight after loading");
        PrintLine("  test     accelerated updates with automatic play");
        PrintLine("  images   capture every location's board, then quit");
        PrintLine("  replay FILE             watch a recorded game (Escape stops it)");
        PrintLine("  replay FILE --headless  play it at once without a window; the exit");
        PrintLine("           status is 0 when it ends as recorded, 1 when not, 2 on a bad file");
        PrintLine("  --help, --version");
        PrintLine("  F11 or Alt+Enter  window or full screen    M  sound on or off");
        PrintLine("Settings, profiles and high scores: $XDG_DATA_HOME/Wispwood/");
        PrintLine("Recordings of the last games played: $XDG_DATA_HOME/Wispwood/replays/");
        return 0;
    }
    if (!words.empty() && words[0] == "--version") {
        PrintLine(VersionText());
        return 0;
    }
    // The game works from its installation folder: a recording is named
    // from where the program was started.
    if (words.size() > 1 && words[0] == "replay" && !words[1].empty())
        words[1] = std::filesystem::absolute(words[1].c_str()).lexically_normal().string();
    if (!ApplyReplayWords(words)) {
        std::fprintf(stderr, "usage: wispwood replay FILE [--headless]\n");
        return 2;
    }
    try {
        // Media paths are relative: the installation folder becomes the
        // working folder, and decides where the files beside it go.
        ChooseWriteFolder(EnterInstallFolder());
        if (!StartUp(words)) {
            std::fprintf(stderr, "Wispwood could not open a display (not even an 800 x 600 window).\n");
            return 1;
        }
        if (ReplayHeadless) return PlayReplayHeadless(ReplayPath);
        RunGame();
    } catch (const RuntimeError& error) {
        PresentRuntimeError(error.what());
        return 1;
    }
}
