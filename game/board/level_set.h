#pragma once
// The levels of one location in play order, the level being played, and
// the level start that selects a level and prepares the board.
#include "game/board/level.h"

namespace wispwood {

class LevelSet {
  public:
    std::vector<Ref<Level>> Levels;
};

extern Ref<LevelSet> CurrentLevelSet;
extern Ref<Level> CurrentLevel;
extern int CurrentLevelIndex;
// Per column: 1 when the level's column list names it (1-based entries).
extern std::vector<int> LevelColumnMarks;

// Makes Levels[i] current and takes its cell size.
void SelectLevel(int i);
// Starts the first level of the set, the same one again (retry) or the next
// one. Returns 1 when the set is finished (no next level), else 0.
int StartLevel(int first, int retry);
// Starts Levels[index] on an empty board, for a saved game to fill; 0 and
// nothing changed when the set has no such level.
int ResumeLevel(int index);

// No set and no level (start-up state).
void ResetLevels();

} // namespace wispwood
