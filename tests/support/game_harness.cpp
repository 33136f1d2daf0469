#include "tests/support/game_harness.h"
#include "engine/core/end_program.h"
#include "engine/draw/graphics.h"
#include "engine/draw/pixmap_loader.h"
#include "engine/input/event.h"
#include "engine/input/polled_input.h"
#include "engine/io/file_system.h"
#include "engine/io/random.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "framework/scene/tickers.h"
#include "game/app/logo_screens.h"
#include "game/app/startup.h"
#include "tests/support/input_events.h"
#include <gtest/gtest.h>
#include "game/app/world_reset.h"

namespace wispwood::test {

namespace {

struct ProgramEnded {};

} // namespace

GameHarness::GameHarness(const Text& gameFolder) : folder_(gameFolder) {
    ResetWorld();
    clock_ = std::make_shared<TManualClock>(100000);
    SetClock(clock_);
    // Frames are held back for the display on a clock of their own.
    SetPacingClock(New<TManualClock>());
    SetEndProgramHandler([] { throw ProgramEnded{}; });
}

GameHarness::~GameHarness() {
    ResetWorld();
    SetEndProgramHandler(nullptr);
    SetPacingClock(nullptr);
}

bool GameHarness::Start(const TextArray& words) {
    if (!StartUp(words)) return false;
    BeginGameLoop(New<LogoScreen>());
    return true;
}

int GameHarness::Frames(int count, int msPerFrame) {
    int run = 0;
    for (; run < count && !ended_; ++run) {
        clock_->Advance(msPerFrame);
        try {
            RunFrame();
        } catch (const ProgramEnded&) {
            ended_ = true;
        }
    }
    return run;
}

void GameHarness::MoveMouseTo(int x, int y) {
    EmitInput(EventMouseMove, 0, x, y);
}

void GameHarness::Click(int x, int y, int button) {
    MoveMouseTo(x, y);
    EmitInput(EventMouseDown, button, x, y);
    EmitInput(EventMouseUp, button, x, y);
}

void GameHarness::PressKey(int key) {
    EmitInput(EventKeyDown, key);
    EmitInput(EventKeyUp, key);
}

void GameHarness::TypeChar(int code) {
    EmitInput(EventKeyChar, code);
}

Ref<TPixmap> GameHarness::Grab() {
    return GrabPixmap(0, 0, GraphicsWidth(), GraphicsHeight());
}

Text GameHarness::SaveFrame(const Text& name) {
    Text folder = Text(WISPWOOD_BINARY_DIR) + "/test-output";
    CreateDir(folder, 1);
    Text path = folder + "/" + name + ".png";
    SavePixmapPNG(Grab(), path);
    return path;
}

} // namespace wispwood::test
