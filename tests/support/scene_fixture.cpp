#include "tests/support/scene_fixture.h"
#include "engine/draw/graphics.h"
#include "engine/input/polled_input.h"
#include "framework/draw_state/draw_state.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "framework/scene/tickers.h"
#include "framework/scene/tunables.h"
#include "game/app/world_reset.h"

namespace wispwood::test {

void SceneLoopTest::SetUp() {
    HeadlessDisplayTest::SetUp();
    ResetWorld();
    clock = std::make_shared<TManualClock>(1000);
    SetClock(clock);
    SetPacingClock(New<TManualClock>());
}

void SceneLoopTest::TearDown() {
    ResetWorld();
    SetPacingClock(nullptr);
}

void SceneLoopTest::Frame(int elapsedMs) {
    clock->Advance(elapsedMs);
    RunFrame();
}

} // namespace wispwood::test
