#include "game/board/level_set.h"
#include "game/board/board.h"
#include "game/board/piece_definition.h"
#include "game/board/time_limit.h"

namespace wispwood {

Ref<LevelSet> CurrentLevelSet;
Ref<Level> CurrentLevel;
int CurrentLevelIndex = 0;
std::vector<int> LevelColumnMarks(16, 0);

void SelectLevel(int i) {
    CurrentLevel = CurrentLevelSet->Levels[i];
    CurrentLevelIndex = i;
    CellWidth = CurrentLevel->PieceWidth;
    CellHeight = CurrentLevel->PieceHeight;
    PieceDefinitions = GetStandardPieceDefinitions();
}

void ResetLevels() {
    CurrentLevelSet = nullptr;
    CurrentLevel = nullptr;
    CurrentLevelIndex = 0;
    LevelColumnMarks.assign(16, 0);
    ResetLevelTimer();
}

} // namespace wispwood
