#include "game/adventure/level_replay.h"
#include "engine/input/key_codes.h"
#include "engine/io/random.h"
#include "engine/io/text_convert.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/input_playback.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/main_game.h"
#include "game/adventure/quest_spot.h"
#include "game/adventure/spot_levels.h"
#include "game/board/game_score.h"
#include "game/services/profiles.h"
#include "game/services/settings.h"

namespace wispwood {

namespace {

struct Replay {
    bool running = false;
    bool seedTaken = false;
    LevelRecording recording;
    ReplayResult result;
    // What the replay lends out and gives back.
    Ref<PlayerProfile> playerProfile;
    int playerHints = 1;
    int playerSpot = 0;
};

Replay gReplay;

bool WatcherPressedEscape() {
    for (const KeyPress& press : WatcherInput().KeyPresses)
        if (press.Key == KeyEscape) return true;
    return false;
}

// The scene a headless replay's game scene is pushed over, as the quest map
// is in the game: it only has to be there.
class ReplayGround : public GameLoop {
  public:
    int Update() override { return 0; }
    int Render() override { return 0; }
    int Init() override { return 0; }
};

// Far beyond any recorded game: the game of a damaged recording that never
// ends is stopped.
constexpr int kUpdatesPastTheRecording = 100 * 60;

// "won, score 8360 after 1476 updates".
Text DescribeResult(LevelOutcome outcome, int score, int updates) {
    return LevelOutcomeName(outcome) + ", score " + IntToText(score) + " after " + IntToText(updates) +
           " updates";
}

// How the replay's end differs from the recording's, or empty.
Text HowReplayDiffers(const ReplayResult& result, const LevelRecording& recording) {
    if (EndsAsRecorded(result, recording)) return "";
    if (result.Stopped) return "stopped before its end";
    if (result.Outcome != recording.Outcome || result.Score != recording.FinalScore ||
        result.Updates != recording.Updates)
        return "recorded " + DescribeResult(recording.Outcome, recording.FinalScore, recording.Updates);
    return "the same end, but the game drew otherwise: generator " + IntToText(result.Generator) +
           ", recorded " + IntToText(recording.Generator);
}

} // namespace

bool EndsAsRecorded(const ReplayResult& result, const LevelRecording& recording) {
    return !result.Stopped && result.Outcome == recording.Outcome && result.Score == recording.FinalScore &&
           result.Updates == recording.Updates && result.Generator == recording.Generator;
}

Text ReplaySummary(const Text& path, const ReplayResult& result, const LevelRecording& recording) {
    const Text differs = HowReplayDiffers(result, recording);
    return "replay: " + path + ": " + DescribeResult(result.Outcome, result.Score, result.Updates) +
           (differs.empty() ? ", as recorded" : ", not as recorded: " + differs);
}

bool BeginLevelReplay(const LevelRecording& recording) {
    if (gReplay.running || TransitionInProgress() || !LocationExists(recording.Location)) return false;
    gReplay = Replay{};
    gReplay.running = true;
    gReplay.recording = recording;
    gReplay.playerProfile = CurrentProfile;
    gReplay.playerHints = GetHints();
    gReplay.playerSpot = CurrentSpotIndex;

    Ref<PlayerProfile> profile = UseTemporaryProfile();
    profile->Lives = recording.Lives;
    profile->Score = recording.Score;
    profile->InMasterQuest = recording.MasterQuest ? 1 : 0;
    profile->Relaxed = recording.Relaxed;
    SetHints(recording.Hints);
    CurrentSpotIndex = recording.Location;
    LoadSpotLevels(recording.Location);
    // The recorded game's pointer was the player's own.
    ReleaseMouse();
    CarryNavigation(recording.Cursor);
    PlayBackInput(recording.Input);
    Ref<GameLoop> game = MakeMainGame();
    if (recording.EnteredWithSlide)
        PushScene(game, 0, 0);
    else
        PushSceneInstantly(game);
    return true;
}

bool LevelReplayRunning() {
    return gReplay.running;
}

bool SeedReplayedLevel() {
    if (!gReplay.running || gReplay.seedTaken) return false;
    gReplay.seedTaken = true;
    SeedRandom(gReplay.recording.Seed);
    return true;
}

namespace {

void FinishReplay(ReplayResult result) {
    result.Generator = RandomSeed();
    gReplay.running = false;
    gReplay.result = result;
    StopInputPlayback();
    CurrentProfile = gReplay.playerProfile;
    SetHints(gReplay.playerHints);
    CurrentSpotIndex = gReplay.playerSpot;
    gReplay.playerProfile = nullptr;
}

} // namespace

bool EndLevelReplay(LevelOutcome outcome, int updates) {
    if (!gReplay.running) return false;
    if (outcome != LevelOutcome::Playing) {
        FinishReplay({outcome, GameScore, updates, false});
        return true;
    }
    // A game recorded unfinished ends where its recording does.
    const LevelRecording& recording = gReplay.recording;
    if (recording.Outcome == LevelOutcome::Playing && updates >= recording.Updates) {
        FinishReplay({outcome, GameScore, updates, false});
        return true;
    }
    if (!WatcherPressedEscape()) return false;
    FinishReplay({outcome, GameScore, updates, true});
    return true;
}

const ReplayResult& LastReplayResult() {
    return gReplay.result;
}

ReplayResult PlayRecordingAtOnce(const LevelRecording& recording) {
    ResetSceneStack();
    PushSceneInstantly(New<ReplayGround>());
    if (!BeginLevelReplay(recording)) {
        ResetSceneStack();
        return {};
    }
    const int most = recording.Updates + kUpdatesPastTheRecording;
    for (int update = 0; gReplay.running && update <= most; ++update) RunOneUpdate();
    // A game that goes on past its recording is stopped as a watcher would.
    if (gReplay.running) FinishReplay({LevelOutcome::Playing, GameScore, most, true});
    ResetSceneStack();
    return gReplay.result;
}

void ResetLevelReplay() {
    gReplay = Replay{};
}

} // namespace wispwood
