#pragma once
// The levels of one location in play order and the level being played.
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

// No set and no level (start-up state).
void ResetLevels();

} // namespace wispwood
