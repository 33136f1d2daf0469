#include "game/adventure/level_in_progress.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/main_game.h"
#include "game/adventure/saved_game.h"
#include "game/board/level.h"
#include "game/board/level_set.h"
#include "game/level/level_end.h"
#include "game/level/tally.h"
#include "game/services/profiles.h"
#include "game/services/save_report.h"
#include "game/services/saved_game_path.h"
#include "game/services/start_flags.h"

namespace wispwood {

namespace {

bool OnSceneStack(const Ref<GameLoop>& scene) {
    for (const auto& s : SceneStack.Stack)
        if (s == scene) return true;
    return false;
}

} // namespace

int LevelInProgress() {
    if (TestMode || ImagesMode || !CurrentProfile || IsTemporaryProfile(CurrentProfile)) return 0;
    if (!CurrentGame || !OnSceneStack(CurrentGame) || !CurrentLevel) return 0;
    if (CurrentGame->Won || CurrentGame->Lost || LevelWon || LevelLost || TallyShowing()) return 0;
    return IsBonusLevel(*CurrentLevel) ? 0 : 1;
}

void SaveLevelInProgress() {
    if (!LevelInProgress()) return;
    Text path = SavedGamePath(CurrentProfile->Name);
    if (!path.empty() && !SaveGame(path)) ReportSaveFailure(path);
}

} // namespace wispwood
