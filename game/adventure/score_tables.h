#pragma once
// The two tables of the best games: the timed one ("highscores.dat",
// HighScores) and the relaxed one ("relaxedscores.dat"), which holds every
// game in which any level was played without the clock, so that such a
// game never stands against timed ones. Both live in the player's folder
// with the same backup and damage handling.
//
// A game ends when its last life is lost, and then offers its score to its
// table on the high-score screen. A relaxed level cannot be lost, so a
// relaxed game also keeps a row of its own in the relaxed table, brought up
// to its score each time it completes a location.
#include "engine/core/ref.h"
#include "engine/core/text.h"

namespace wispwood {

class PlayerProfile;
class THighScoreTable;

enum class ScoreTable { Timed, Relaxed };

// The rows of each table.
constexpr int kScoreRows = 10;

extern Ref<THighScoreTable> RelaxedHighScores;

// Both tables from their files; a table that is gone or beyond repair
// starts with the default entries.
void LoadScoreTables();
// The table, loaded on first need.
Ref<THighScoreTable> TableOf(ScoreTable table);
// The counters stored beside a score: "gems,silver,gold".
Text ScoreCounters(const PlayerProfile& profile);
// The relaxed game of the profile keeps one row, of this score now.
void KeepRelaxedGameScore(PlayerProfile& profile, int score);
// Writes the relaxed table to its file when it was loaded; 1 when there
// was nothing to write or it was written.
int SaveRelaxedHighScores();

// The relaxed table not loaded (start-up state).
void ResetRelaxedHighScores();

} // namespace wispwood
