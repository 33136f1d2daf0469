#include "tools/autoplay/autoplay_session.h"
#include "engine/input/clock.h"
#include "game/app/loader_queue.h"
#include "game/app/startup.h"
#include <cstdlib>
#include <filesystem>

namespace wispwood::autoplay {

namespace {

Ref<TManualClock> gClock;

} // namespace

bool OpenSession(const Text& gameFolder) {
    // No window and no sound card: the game's own dummy drivers.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::error_code error;
    std::filesystem::current_path(gameFolder, error);
    if (error) return false;
    gClock = std::make_shared<TManualClock>(100000);
    SetClock(gClock);
    if (!StartUp({})) return false;
    // The loading screen would spread these over its frames; here they run
    // back to back before the first game.
    for (int step = 0; step < LoaderCount; ++step)
        if (LoaderTable[step]) LoaderTable[step]();
    return true;
}

void AdvanceClock(int ms) {
    if (gClock) gClock->Advance(ms);
}

} // namespace wispwood::autoplay
