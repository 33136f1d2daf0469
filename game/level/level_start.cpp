#include "game/level/level_start.h"
#include "game/board/board.h"
#include "game/board/column_stacks.h"
#include "game/board/creation_override.h"
#include "game/board/falling_pieces.h"
#include "game/board/level_set.h"
#include "game/board/quota.h"
#include "game/board/start_level_board.h"
#include "game/board/stuck_recovery.h"
#include "game/board/time_limit.h"
#include "game/level/bonus_game.h"
#include "game/services/profiles.h"

namespace wispwood {

namespace {

int LevelCount() {
    return CurrentLevelSet ? static_cast<int>(CurrentLevelSet->Levels.size()) : 0;
}

int PositionOf(const Ref<Level>& level) {
    for (int i = 0; i < LevelCount(); ++i)
        if (CurrentLevelSet->Levels[i] == level) return i;
    return -1;
}

void RebuildColumnMarks(const Level& level) {
    LevelColumnMarks.assign(16, 0);
    for (int c : level.Columns)
        if (c >= 1 && c <= static_cast<int>(LevelColumnMarks.size())) LevelColumnMarks[c - 1] = 1;
}

// What every start of a level does before the board gets its pieces: the
// level, its quota, its time and its row generation.
void PrepareLevel(int index, int first) {
    SelectLevel(index);
    Level& level = *CurrentLevel;
    ResetQuota(first);
    if (!IsBonusLevel(level)) SetLevelTime(level.Time * 100);
    RebuildColumnMarks(level);
    StartLevelOverrides();
}

} // namespace

int StartLevel(int first, int retry) {
    int target;
    if (first) {
        target = 0;
    } else {
        int at = PositionOf(CurrentLevel);
        if (at < 0) return 1;
        target = retry ? at : at + 1;
    }
    if (target >= LevelCount()) return 1;
    TakeLevelMode(CurrentProfile && CurrentProfile->Relaxed);
    PrepareLevel(target, first);
    StartLevelBoard(retry);
    if (IsBonusLevel(*CurrentLevel)) BuildBonusGrid();
    ResetFalling();
    ResetStuck();
    return 0;
}

void TakeLevelMode(bool relaxed) {
    RelaxedLevel = relaxed;
    if (relaxed && CurrentProfile) CurrentProfile->RelaxedGame = true;
}

int ResumeLevel(int index) {
    if (index < 0 || index >= LevelCount()) return 0;
    PrepareLevel(index, 1);
    ResetBoardGrid(CurrentLevel->Width(), 32);
    ResetColumnStacks(CurrentLevel->Width());
    ResetFalling();
    ResetStuck();
    return 1;
}

} // namespace wispwood
