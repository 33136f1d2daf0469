#include "game/app/loading_scene.h"
#include "engine/draw/graphics.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/main_game.h"
#include "game/adventure/quest_spot.h"
#include "game/adventure/spot_levels.h"
#include "game/app/comic_menu.h"
#include "game/app/level_capture.h"
#include "game/app/loader_queue.h"
#include "game/app/main_scene.h"
#include "game/app/replay_scene.h"
#include "game/services/profiles.h"
#include "game/services/sound_tables.h"
#include "game/services/start_flags.h"
#include <algorithm>

namespace wispwood {

Ref<TImage> Loading::Background, Loading::Bar, Loading::BarGold;

Loading::Loading() {
    FadeOnTop = 1;
    DrawPointer = 0;
    Scene = MenuMusicScene;
}

int Loading::Update() {
    Darkness += 2;
    if (Darkness <= 100) return 0;
    Darkness = 100;
    LimitToOneUpdate = 1;
    if (!LoadingDone) {
        LoadingDone = RunLoadStep(LoadingProgress);
        LoadingProgress += 1;
    } else {
        PushScene(FirstScene(), 0, 0);
    }
    return 0;
}

Ref<GameLoop> Loading::FirstScene() {
    // A developer mode starts its location once; a game that ends and
    // reveals this screen leads on to the first screen.
    if (DeveloperStartUsed) return MakeMainScene();
    if (ReplayMode) {
        DeveloperStartUsed = true;
        return MakeReplayScene(ReplayPath);
    }
    if (ComicsMode) {
        // The collection of the stored player (or of a temporary one).
        EnsureCurrentProfile();
        DeveloperStartUsed = true;
        return MakeComicMenu();
    }
    int location = -1;
    if (ImagesMode) {
        CaptureLocation = 0;
        location = 0;
    } else if (RunMode && LocationExists(RunLocation)) {
        location = RunLocation;
    } else if (TestMode) {
        // The self-playing mode starts where the menu would continue.
        location = CurrentProfile ? std::clamp(CurrentProfile->CurrentAdventure, 0, 99) : 0;
        if (!LocationExists(location)) location = -1;
    }
    if (location < 0 || !LocationExists(location)) return MakeMainScene();
    // Developer modes on a fresh install play without a stored profile.
    EnsureCurrentProfile();
    DeveloperStartUsed = true;
    CurrentSpotIndex = location;
    LoadSpotLevels(location);
    return ImagesMode ? MakeLevelCaptureGame() : MakeMainGame();
}

int Loading::Render() {
    int c = static_cast<int>(Darkness / 100.0f * 255);
    SetColor(c, c, c);
    DrawGameImage(Background, 0, 0);
    int barWidth = Bar ? Bar->width : 0;
    int goldWidth = BarGold ? BarGold->width : 0, goldHeight = BarGold ? BarGold->height : 0;
    int x = 406 - barWidth / 2;
    int y = 381 - goldHeight / 2;
    SetBlend(ALPHABLEND);
    DrawGameImage(Bar, x, y);
    TDrawState::Push();
    int shown = LoaderCount > 0 ? goldWidth * LoadingProgress / LoaderCount : 0;
    SetViewport(x, y, shown, goldHeight);
    DrawGameImage(BarGold, x, y);
    TDrawState::Pop();
    return 0;
}

int Loading::Escape() {
    GameLoopExiting = 1; // the scene's own field: no effect
    return 0;
}

int Loading::Load() {
    Background = LoadGameImage("media\\load\\loading.jpg", -1);
    Bar = LoadGameImage("media\\load\\loading-bar.png", -1);
    BarGold = LoadGameImage("media\\load\\loading-bar-gold.png", -1);
    return 0;
}

void ResetLoadingScreen() {
    Loading::Background = Loading::Bar = Loading::BarGold = nullptr;
}

} // namespace wispwood
