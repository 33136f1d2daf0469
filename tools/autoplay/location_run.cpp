#include "tools/autoplay/location_run.h"
#include "engine/io/random.h"
#include "framework/anim/ticker.h"
#include "framework/gui/gui_gadget.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/level_recorder.h"
#include "game/adventure/main_game.h"
#include "game/adventure/spot_levels.h"
#include "game/board/game_score.h"
#include "game/board/level_result.h"
#include "game/board/level_set.h"
#include "game/board/stuck_recovery.h"
#include "game/board/time_limit.h"
#include "game/level/board_bot.h"
#include "game/level/level_end.h"
#include "game/level/tally.h"
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
    // The bot measures the game against its clock.
    profile->Relaxed = false;
}

// A player reads the tally, then takes its "ok" (clicking again now and
// then until it is taken).
std::optional<BotClick> TallyOkClick(int update) {
    constexpr int kReading = 700, kAgain = 100;
    if (!CurrentTally || !CurrentTally->OK || !CurrentTally->OK->Clickable) return std::nullopt;
    if (CurrentTally->Ticks < kReading || update % kAgain != 0) return std::nullopt;
    guiGadget& ok = *CurrentTally->OK;
    return BotClick{static_cast<int>(ok.x + ok.GetWidtH() / 2), static_cast<int>(ok.y + ok.GetHeight() / 2)};
}

} // namespace

int RunSeed(int location, int seed) {
    return 1 + seed * 7919 + location * 104729;
}

LocationRun PlayLocation(int location, int seed, bool masterQuest, bool fastPace, bool toTheEnd) {
    LocationRun run;
    run.location = location;
    run.seed = seed;
    const std::clock_t started = std::clock();

    ResetSceneStack();
    FreshProfile(masterQuest);
    CurrentSpotIndex = location;
    LoadSpotLevels(location);
    if (!CurrentLevelSet) return run;
    SeedRandom(RunSeed(location, seed));
    Ref<MainGame> game = std::static_pointer_cast<MainGame>(MakeMainGame());
    PushSceneInstantly(game);

    BoardBot bot(fastPace);
    bot.Restart();
    // The bot plays as a player would: its pointer and clicks are the input
    // of the updates, as a recording keeps them.
    SnapshotInput input;
    bool measured = false, stuck = false, lostALife = false;
    for (; run.updates < MaxUpdates; ++run.updates) {
        AdvanceClock(10);
        input.ButtonHits.fill(0);
        std::optional<BotClick> click = bot.Act();
        if (!click && toTheEnd) click = TallyOkClick(run.updates);
        if (click) {
            input.MouseX = click->x;
            input.MouseY = click->y;
            input.ButtonHits[1] = 1;
        }
        TakeInputSnapshot(input);
        UpdateCount += 1;
        game->Update();

        if (StuckActive() && !stuck) run.stuckRecoveries += 1;
        stuck = StuckActive() != 0;
        if (!measured && SuccessSequence && !SuccessSequence->TryAgain && CurrentLevel &&
            !IsBonusLevel(*CurrentLevel)) {
            measured = true;
            run.timeLeftShare = IsTimed() ? static_cast<double>(TimeLeft) / LevelTime : 1.0;
            run.medal = MedalEarnedNow();
        }
        const bool lifeLost = TryAgainActive() || GameOverSequence;
        if (!toTheEnd) {
            if (lifeLost) break;
            if (ResultRecorded) {
                run.won = true;
                break;
            }
            continue;
        }
        // To the end: on through a retry, and through the tally to its "ok".
        if (lifeLost && !lostALife) bot.Restart();
        lostALife = lostALife || lifeLost;
        const LevelOutcome outcome = game->Outcome();
        if (outcome != LevelOutcome::Playing) {
            run.won = outcome == LevelOutcome::Won && !lostALife;
            // Where the game would hand over to the quest map or the high
            // scores, which a report has no use for.
            FinishLevelRecording(outcome, game->UpdatesRun);
            break;
        }
    }
    run.score = GameScore;
    run.cpuSeconds = static_cast<double>(std::clock() - started) / CLOCKS_PER_SEC;
    ResetSceneStack();
    return run;
}

} // namespace wispwood::autoplay
