#include "game/adventure/spot_levels.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/main_game.h"
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

int StartQuestLevel(int index) {
    if (!LocationExists(index)) return 0;
    CurrentSpotIndex = index;
    LoadSpotLevels(index);
    return PushScene(MakeMainGame());
}

void ResetSpotLevels() {
    CurrentSpotIndex = 0;
}

} // namespace wispwood
