#pragma once
// The games played are recorded (level_recording.h), each into a file of
// its own in the recordings folder, of which the newest few are kept. A game
// the program plays by itself (the test and images modes) or a replay is
// not recorded; neither is a saved game resumed, which does not start from
// a seed. A recording that cannot be written is let go: the game, the
// player's progress and files go on as if nothing had been recorded.
#include "engine/core/text.h"
#include "game/adventure/level_recording.h"

namespace wispwood {

// Records the games from now on into the folder (made when needed),
// keeping the newest keep files there; an empty folder records none.
void RecordLevelsIn(const Text& folder, int keep);
// The per-user folder's "replays/", where the game keeps its recordings.
Text ReplaysFolder();

// The game scene starts a new game: called where the game's level starts,
// with the generator as that level will use it.
void StartLevelRecording();
// The game scene's update (0 the first of its game), with its input
// snapshot taken.
void RecordLevelInput(int update);
// The game is over (Playing: the program ends with it unfinished) after it
// ran updates updates: the recording gets its result and is written. Once
// per game.
void FinishLevelRecording(LevelOutcome outcome, int updates);
// Whether a game is being recorded now.
bool RecordingLevel();
// The file of the last recording written, or empty.
const Text& LastLevelRecordingPath();

void ResetLevelRecorder();

} // namespace wispwood
