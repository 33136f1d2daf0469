#include "game/app/demo_game.h"
#include "framework/gui/gui_gadget.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "game/app/demo.h"
#include "game/level/level_end.h"
#include "game/level/tally.h"

namespace wispwood {

namespace {

// Two seconds to see the total land in the score.
constexpr int kOkAfterUpdates = 200;

} // namespace

DemoGame::DemoGame() : MainGame(NewScene<DemoGame>) {
    // Into the demo with a short cross-fade; out of it at once (Leave).
    FadeOnTop = 1;
}

int DemoGame::Init() {
    // The pointer starts where the player left theirs, and takes the mouse
    // before the game starts: a game the program plays is not recorded.
    pointer_.Start(SnapshotMouseX, SnapshotMouseY);
    MainGame::Init();
    bot_.Restart();
    return 0;
}

bool DemoGame::LevelOver() const {
    if (Outcome() != LevelOutcome::Playing) return true;
    // "Out of time" has been shown: the retry is the player's to play.
    if (TryAgainActive() && TryAgainProgress() >= 1) return true;
    return played_ >= DemoLongestUpdates;
}

void DemoGame::Leave() {
    StopDemo();
    Ref<GameLoop> top = TopScene();
    if (top.get() == this) PopScene(top, 1, 1);
}

void DemoGame::ClickOkWhenCounted() {
    if (!TallyAwaitsOk()) return;
    countedFor_ += 1;
    if (countedFor_ != kOkAfterUpdates) return;
    const Ref<guiGadget>& ok = CurrentTally->OK;
    pointer_.ClickAt(static_cast<int>(ok->x + ok->GetWidtH() / 2),
                     static_cast<int>(ok->y + ok->GetHeight() / 2));
}

int DemoGame::Update() {
    // The snapshot of this update saw the player (a key, a click, the mouse
    // moving): the pointer's own moves are not theirs and do not count. A
    // demo stopped from outside never plays on with the player's state.
    if (!DemoRunning() || UpdatesSinceInput == 0 || LevelOver()) {
        Leave();
        return 0;
    }
    played_ += 1;
    if (std::optional<BotClick> click = bot_.Act()) pointer_.ClickAt(click->x, click->y);
    ClickOkWhenCounted();
    pointer_.Update();
    banner_.Update(TallyShowing() != 0);
    return MainGame::Update();
}

int DemoGame::Render() {
    MainGame::Render();
    banner_.Render();
    return 0;
}

} // namespace wispwood
