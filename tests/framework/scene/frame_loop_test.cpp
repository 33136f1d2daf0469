#include "engine/core/end_program.h"
#include "engine/draw/graphics.h"
#include "engine/input/event.h"
#include "engine/input/key_codes.h"
#include "framework/anim/ticker.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "tests/support/input_events.h"
#include "tests/support/scene_fixture.h"
#include <csignal>
#include <string>

namespace wispwood {
namespace {

using test::ProbeScene;

class FrameLoop : public test::SceneLoopTest {};

TEST_F(FrameLoop, ElapsedTimeBecomesUpdatesOfTenMilliseconds) {
    BeginGameLoop(New<ProbeScene>());
    EXPECT_EQ(UpdatesForElapsed(3), 0);
    EXPECT_EQ(UpdateBacklog, 3); // kept for later
    UpdateBacklog = 0;
    EXPECT_EQ(UpdatesForElapsed(25), 2);
    EXPECT_EQ(UpdateBacklog, 5);
    UpdateBacklog = 0;
    EXPECT_EQ(UpdatesForElapsed(250), 10); // the rest of a stall is dropped
    EXPECT_EQ(UpdateBacklog, 0);
    FastUpdates = 1;
    EXPECT_EQ(UpdatesForElapsed(40), 40);
    EXPECT_EQ(UpdateBacklog, 0);
}

TEST_F(FrameLoop, LimitToOneUpdateRunsExactlyOnePerFrame) {
    auto scene = New<ProbeScene>();
    scene->LimitToOneUpdate = 1;
    BeginGameLoop(scene);
    EXPECT_EQ(UpdatesForElapsed(0), 1);
    EXPECT_EQ(UpdatesForElapsed(90), 1);
    EXPECT_EQ(UpdateBacklog, 0); // consumed as usual
}

TEST_F(FrameLoop, FramesUpdateTheTopSceneAndDrawItOnce) {
    auto scene = New<ProbeScene>();
    BeginGameLoop(scene);
    EXPECT_EQ(scene->inits, 1);
    Frame(30); // 3 updates; the frame then sleeps 5 ms on the manual clock
    EXPECT_EQ(scene->updates, 3);
    EXPECT_EQ(scene->renders, 1);
    EXPECT_EQ(UpdateCount, 3);
    Frame(5); // 5 ms of sleep + 5 ms: one more update
    EXPECT_EQ(scene->updates, 4);
    clock->Set(clock->Milliseconds() - 50); // a clock that steps back
    RunFrame();
    EXPECT_EQ(scene->updates, 4);
}

TEST_F(FrameLoop, CloseRequestRunsTheExitHookOnce) {
    BeginGameLoop(New<ProbeScene>());
    int calls = 0;
    FrameUpcalls.Exit = [&]() -> int {
        ++calls;
        return 1;
    };
    raise(SIGTERM);
    Frame(10);
    EXPECT_EQ(calls, 1);
    Frame(10);
    EXPECT_EQ(calls, 1);
    CloseAllowed = 0;
    raise(SIGINT);
    Frame(10);
    EXPECT_EQ(calls, 1);
}

struct Ended {};

TEST_F(FrameLoop, CloseWithoutAHookEndsTheProgram) {
    BeginGameLoop(New<ProbeScene>());
    SetEndProgramHandler([] { throw Ended{}; });
    raise(SIGTERM);
    EXPECT_THROW(Frame(10), Ended);
    SetEndProgramHandler(nullptr);
}

TEST_F(FrameLoop, RunGameLoopInsideAnUpdateHandsTheSceneOver) {
    auto first = New<ProbeScene>(), second = New<ProbeScene>();
    first->onUpdate = [&](ProbeScene& self) {
        if (self.updates == 1) RunGameLoop(second);
    };
    BeginGameLoop(first);
    Frame(30);
    EXPECT_EQ(first->updates, 1);
    EXPECT_EQ(second->inits, 1);
    EXPECT_EQ(second->updates, 2); // the rest of the frame's updates
    EXPECT_EQ(SceneStack.Size(), 2);
    EXPECT_FALSE(CurrentTransition); // no transition for this hand-over
}

TEST_F(FrameLoop, SnapshotQueriesAgreeWithinAnUpdate) {
    BeginGameLoop(New<ProbeScene>());
    EXPECT_EQ(GameMouseX(), 0);
    Frame(10);
    EXPECT_EQ(SnapshotValid, 1);
    ForceMouseClicks(1);
    EXPECT_EQ(GameMouseClicks(1), 1);
    EXPECT_EQ(GameMouseClicks(1), 1); // reading does not consume
    OverrideMouse(123, 45);
    EXPECT_EQ(GameMouseX(), 123);
    EXPECT_EQ(GameMouseY(), 45);
    EXPECT_EQ(GameWindowInactive(), 0);
    // Released, the mouse is the snapshot's again.
    ReleaseMouse();
    EXPECT_EQ(GameMouseX(), SnapshotMouseX);
    EXPECT_EQ(GameMouseY(), SnapshotMouseY);
    EXPECT_EQ(GameKeyPresses(300), 0); // out of range is harmless
}

// What is held, the window's focus and a press's modifier keys are those of
// the update's snapshot however the platform moves on while the update
// runs: a replayed update, which has only its snapshot, sees the same.
TEST_F(FrameLoop, AnUpdateSeesHeldInputAsItsSnapshotTookIt) {
    BeginGameLoop(New<ProbeScene>());
    test::EmitInput(EventKeyDown, 'A', 0, 0, ModifierShift);
    test::EmitInput(EventMouseDown, 1);
    Frame(10);
    EXPECT_EQ(GameKeyDown('A'), 1);
    EXPECT_EQ(GameMouseDown(1), 1);
    EXPECT_EQ(GameKeyModifiers('A'), ModifierShift);
    EXPECT_EQ(TakenInput.KeysDown, std::vector<int>{'A'});

    test::EmitInput(EventKeyUp, 'A');
    test::EmitInput(EventMouseUp, 1);
    test::EmitInput(EventAppSuspend, 0);
    EXPECT_EQ(GameKeyDown('A'), 1);
    EXPECT_EQ(GameMouseDown(1), 1);
    EXPECT_EQ(GameWindowInactive(), 0);

    Frame(10);
    EXPECT_EQ(GameKeyDown('A'), 0);
    EXPECT_EQ(GameMouseDown(1), 0);
    EXPECT_EQ(GameKeyModifiers('A'), 0) << "not pressed in this update";
    EXPECT_EQ(GameWindowInactive(), 1);
}

// Frames wait for the display on the pacing clock; the updates go by the
// game clock alone, so fast frames and slow ones see the same game.
TEST_F(FrameLoop, FramesAreHeldForTheDisplayWithoutChangingTheUpdates) {
    auto pacing = New<TManualClock>(0);
    SetPacingClock(pacing);
    auto scene = New<ProbeScene>();
    BeginGameLoop(scene);
    for (int i = 0; i < 60; ++i) Frame(5); // 5 ms stepped + 5 ms slept each
    EXPECT_EQ(scene->updates, 59);         // the first frame's 5 ms make no update
    EXPECT_EQ(scene->renders, 60);
    EXPECT_EQ(pacing->Milliseconds(), 1000); // at most 60 frames a second
    EXPECT_EQ(clock->Milliseconds(), 1000 + 600);
}

// A screen left alone shows one display frame in four; anything the
// player does, and automatic play, brings every frame back at once. A
// headless display always draws them all.
TEST_F(FrameLoop, AScreenLeftAloneShowsOneFrameInFourUntilThePlayerActs) {
    BeginGameLoop(New<ProbeScene>());
    auto frames = [](int n, bool screen = true) {
        std::string shown;
        for (int i = 0; i < n; ++i) shown += LeaveOutIdleFrame(screen) ? '-' : 'x';
        return shown;
    };
    for (int i = 0; i < IdleAfterUpdates - 1; ++i) RunOneUpdate();
    EXPECT_EQ(frames(3), "xxx");
    RunOneUpdate();
    EXPECT_EQ(frames(9), "x---x---x");
    EXPECT_EQ(frames(3, false), "xxx");

    auto idle = [] {
        for (int i = 0; i < IdleAfterUpdates; ++i) RunOneUpdate();
    };
    idle();
    test::EmitInput(EventMouseMove, 0, 50, 60);
    RunOneUpdate();
    EXPECT_EQ(frames(3), "xxx") << "the mouse moved";
    idle();
    test::EmitInput(EventKeyDown, KeySpace);
    RunOneUpdate();
    EXPECT_EQ(frames(3), "xxx") << "a key";
    idle();
    OverrideMouse(10, 10);
    EXPECT_EQ(frames(3), "xxx") << "automatic play";
}

} // namespace
} // namespace wispwood
