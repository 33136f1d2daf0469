#include "tools/autoplay/autoplay_session.h"
#include "engine/core/headless.h"
#include "engine/input/clock.h"
#include "game/adventure/level_recorder.h"
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
    UseHeadlessPlatform();
    std::error_code error;
    std::filesystem::current_path(gameFolder, error);
    if (error) return false;
    gClock = std::make_shared<TManualClock>(100000);
    SetClock(gClock);
    if (!StartUp({})) return false;
    // The loading screen would spread these over its frames; here they run
    // back to back before the first game.
    RunEveryLoadStep();
    // The bot's games are recorded only where a caller asks for them.
    RecordLevelsIn("", 0);
    return true;
}

void AdvanceClock(int ms) {
    if (gClock) gClock->Advance(ms);
}

} // namespace wispwood::autoplay
