#pragma once
// A recording played again: the game scene starts as the recorded game did
// (location, quest, seed, lives, score, hints, the way it came in) and its
// input snapshots take the recorded input, so it plays the recorded game.
// A replay leaves the player alone: it plays with a profile of its own,
// and the game scene ends it where the game would go on to the quest map,
// the high scores or the main menu, so the player's profile, saved game and
// high scores are never touched.
#include "game/adventure/level_recording.h"

namespace wispwood {

struct ReplayResult {
    LevelOutcome Outcome = LevelOutcome::Playing;
    int Score = 0;
    int Updates = 0;
    // The watcher ended the replay before its game ended.
    bool Stopped = false;
    // The game generator's state as the game ended.
    int32_t Generator = 0;
};

// Whether the replay ended as the recording did, its generator where the
// recording's was left.
bool EndsAsRecorded(const ReplayResult& result, const LevelRecording& recording);
// The line said about the replay of the recording at path: "replay: FILE:
// won, score 8360 after 1476 updates, as recorded" (or how it is not).
Text ReplaySummary(const Text& path, const ReplayResult& result, const LevelRecording& recording);

// Starts the replay: a fresh game scene pushed over the top scene (with
// its slide when the recorded one came in with it). False, with nothing
// changed, when the recording's location does not exist or a transition
// runs.
bool BeginLevelReplay(const LevelRecording& recording);
bool LevelReplayRunning();
// The game scene seeds its game here: true, with the recording's seed, when
// the game is a replay's.
bool SeedReplayedLevel();
// The game scene asks, each update and as its game ends, whether a replay
// ends now: its game is over, or (outcome Playing) whoever watches pressed
// Escape. True when it ended: the player's profile and settings are back,
// the input is the platform's again, and the game scene should leave.
// updates: the updates the game has run.
bool EndLevelReplay(LevelOutcome outcome, int updates);
// How the last replay ended.
const ReplayResult& LastReplayResult();

// Plays the recording to its end at once, without drawing, on a scene
// stack of its own (the game must be started and its pictures and sounds
// loaded). The stack is left empty.
ReplayResult PlayRecordingAtOnce(const LevelRecording& recording);

void ResetLevelReplay();

} // namespace wispwood
