#include "game/adventure/spot_levels.h"
#include "game/adventure/quest_spot.h"
#include "game/board/level_set.h"

namespace wispwood {

int CurrentSpotIndex = 0;

void LoadSpotLevels(int index) {
    Ref<QuestSpot> spot = SpotAt(index);
    if (!spot) {
        CurrentLevelSet = nullptr;
        return;
    }
    auto set = New<LevelSet>();
    set->Levels = spot->CreateLevels();
    CurrentLevelSet = set;
}

void ResetSpotLevels() {
    CurrentSpotIndex = 0;
}

} // namespace wispwood
