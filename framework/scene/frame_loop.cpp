#include "framework/scene/frame_loop.h"
#include "engine/core/end_program.h"
#include "engine/draw/graphics.h"
#include "engine/input/clock.h"
#include "engine/input/polled_input.h"
#include "framework/anim/ticker.h"
#include "framework/draw_state/draw_state.h"
#include "framework/scene/global_keys.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/notices.h"
#include "framework/scene/scene_stack.h"

namespace wispwood {

int LastFrameTime = 0;
int UpdateBacklog = 0;
int FastUpdates = 0;
FrameLoopUpcalls FrameUpcalls;
int CloseAllowed = 1;

namespace {

// A loop has begun: frames are being run, by RunGameLoop's endless loop or
// by whoever called BeginGameLoop.
bool gLoopBegun = false;
// Display frames since the screen was left alone.
int gIdleFrames = 0;

void RunPerUpdateServices(const Ref<GameLoop>& top) {
    TakeInputSnapshot();
    UpdateCount += 1;
    if (FrameUpcalls.GlobalKeys) FrameUpcalls.GlobalKeys();
    if (FrameUpcalls.Navigate) FrameUpcalls.Navigate();
    if (CurrentTransition) CurrentTransition->Update();
    UpdateNotices();
    if (FrameUpcalls.SoundHousekeeping) FrameUpcalls.SoundHousekeeping(top ? top->Scene : nullptr);
    if (CloseRequested() && CloseAllowed == 1) {
        int handled = FrameUpcalls.Exit ? FrameUpcalls.Exit() : 0;
        if (!handled) EndProgram();
    }
}

void DrawFrame() {
    TDrawDriver* driver = CurrentDrawDriver();
    if (LeaveOutIdleFrame(driver && driver->HasVerticalBlank())) {
        PaceWithoutFrame();
        return;
    }
    Ref<GameLoop> top = TopScene();
    TDrawState::Reset();
    if (CurrentTransition)
        CurrentTransition->Render(top);
    else if (top)
        top->Render();
    DrawNotices();
    Delay(5);
    if (top && top->DrawPointer && FrameUpcalls.DrawMousePointer)
        FrameUpcalls.DrawMousePointer(GameMouseX(), GameMouseY());
    // Drawing faster than the display shows frames only burns the processor;
    // the updates still follow the game clock, however long the wait.
    FlipPaced();
}

void EndOfFrameHousekeeping() {
    MakeWaitingSceneChanges();
    if (TransitionInProgress(0)) return;
    Ref<GameLoop> top = TopScene();
    if (top && top->GameLoopExiting) PopScene(top, 1);
    top = TopScene();
    for (const auto& scene : SceneStack.Stack)
        if (scene != top && scene->DeleteFromStack) SceneStack.Stack.Remove(scene);
}

} // namespace

// Left alone, the screens keep moving only slowly (light sways, motes
// drift, pieces creep), and most frames would differ by a fraction of a
// pixel. Headless runs, which have no display to spare, draw every frame,
// and so does a transition, which is quick.
bool LeaveOutIdleFrame(bool displayHasScreen) {
    if (UpdatesSinceInput < IdleAfterUpdates || CurrentTransition || !displayHasScreen) {
        gIdleFrames = 0;
        return false;
    }
    return gIdleFrames++ % IdleFrameStride != 0;
}

int UpdatesForElapsed(int elapsedMs) {
    UpdateBacklog += elapsedMs;
    // A stall costs at most 100 ms of game time; the rest is dropped.
    if (UpdateBacklog > 100) UpdateBacklog = 100;
    int n;
    if (FastUpdates) {
        n = UpdateBacklog;
        UpdateBacklog = 0;
    } else {
        n = UpdateBacklog / 10;
        UpdateBacklog %= 10;
    }
    Ref<GameLoop> top = TopScene();
    if (top && top->LimitToOneUpdate) n = 1;
    return n;
}

void RunOneUpdate() {
    RunPerUpdateServices(TopScene());
    // The top scene has asked to leave (or to cover itself) and waits for
    // the running transition; it stands still meanwhile.
    if (SceneChangeWaiting()) return;
    if (Ref<GameLoop> top = TopScene()) top->Update();
}

void RunFrame() {
    int now = Milliseconds();
    int n = UpdatesForElapsed(ElapsedMilliseconds(LastFrameTime, now));
    LastFrameTime = now;
    for (int i = 0; i < n; ++i) RunOneUpdate();
    DrawFrame();
    EndOfFrameHousekeeping();
}

void BeginGameLoop(const Ref<GameLoop>& scene) {
    PushSceneInstantly(scene);
    if (!gLoopBegun) {
        gLoopBegun = true;
        LastFrameTime = Milliseconds();
    }
}

void RunGameLoop(const Ref<GameLoop>& scene) {
    bool nested = gLoopBegun;
    BeginGameLoop(scene);
    if (nested) return;
    for (;;) RunFrame();
}

void ResetFrameLoop() {
    LastFrameTime = 0;
    UpdateBacklog = 0;
    FastUpdates = 0;
    UpdateCount = 0;
    FrameUpcalls = FrameLoopUpcalls{};
    CloseAllowed = 1;
    gLoopBegun = false;
    gIdleFrames = 0;
}

} // namespace wispwood
