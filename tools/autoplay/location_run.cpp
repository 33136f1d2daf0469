#include "tools/autoplay/location_run.h"
#include "engine/io/random.h"
#include "framework/anim/ticker.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/main_game.h"
#include "game/adventure/spot_levels.h"
#include "game/board/game_score.h"
#include "game/board/level_result.h"
#include "game/board/level_set.h"
#include "game/board/stuck_recovery.h"
#include "game/board/time_limit.h"
#include "game/level/board_bot.h"
#include "game/level/level_end.h"
#include "game/services/player_profile.h"
#include "game/services/profiles.h"
#include "tools/autoplay/autoplay_session.h"
#include <ctime>

namespace wispwood::autoplay {

namespace {

// Far beyond any time limit: an untimed level the bot cannot finish.
constexpr int MaxUpdates = 100 * 60 * 30;

void FreshProfile(bool masterQuest) {
    Ref<PlayerProfile> profile = EnsureCurrentProfile();
    profile->Lives = 3;
    profile->Score = profile->Gems = profile->GoldMedals = profile->SilverMedals = 0;
    profile->InMasterQuest = masterQuest ? 1 : 0;
}

} // namespace

int RunSeed(int location, int seed) {
    return 1 + seed * 7919 + location * 104729;
}

LocationRun PlayLocation(int location, int seed, bool masterQuest, bool fastPace) {
    LocationRun run;
    run.location = location;
    run.seed = seed;
    const std::clock_t started = std::clock();

    ResetSceneStack();
    FreshProfile(masterQuest);
    // The bot's pointer counts as the player's: the window never looks
    // inactive, so the game does not pause itself.
    OverrideMouse(0, 0);
    CurrentSpotIndex = location;
    LoadSpotLevels(location);
    if (!CurrentLevelSet) return run;
    SeedRandom(RunSeed(location, seed));
    Ref<GameLoop> game = MakeMainGame();
    PushSceneInstantly(game);

    BoardBot bot(fastPace);
    bot.Restart();
    bool measured = false, stuck = false;
    for (; run.updates < MaxUpdates; ++run.updates) {
        AdvanceClock(10);
        TakeInputSnapshot();
        UpdateCount += 1;
        if (std::optional<BotClick> click = bot.Act()) {
            OverrideMouse(click->x, click->y);
            ForceMouseClicks(1);
        }
        game->Update();

        if (StuckActive() && !stuck) run.stuckRecoveries += 1;
        stuck = StuckActive() != 0;
        if (!measured && SuccessSequence && !SuccessSequence->TryAgain && CurrentLevel &&
            !IsBonusLevel(*CurrentLevel)) {
            measured = true;
            run.timeLeftShare = IsTimed() ? static_cast<double>(TimeLeft) / LevelTime : 1.0;
            run.medal = MedalForTime(TimeLeft, LevelTime, location);
        }
        if (TryAgainActive() || GameOverSequence) break;
        if (ResultRecorded) {
            run.won = true;
            break;
        }
    }
    run.score = GameScore;
    run.cpuSeconds = static_cast<double>(std::clock() - started) / CLOCKS_PER_SEC;
    ResetSceneStack();
    return run;
}

} // namespace wispwood::autoplay
