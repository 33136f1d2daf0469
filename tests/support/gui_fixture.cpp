#include "tests/support/gui_fixture.h"
#include "engine/input/event.h"
#include "engine/input/polled_input.h"
#include "engine/io/random.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "framework/gui/gui_resources.h"
#include "framework/gui/pointer.h"
#include "framework/images/game_image.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "framework/scene/tunables.h"
#include "tests/support/input_events.h"
#include "tests/support/test_font.h"
#include "game/app/world_reset.h"

namespace wispwood::test {

namespace {

Ref<TImage> Solid(int w, int h, int argb) {
    return LoadGameImage(SolidPixmap(w, h, argb), 0);
}

} // namespace

void GuiTest::SetUp() {
    HeadlessDisplayTest::SetUp();
    ResetWorld();
    SeedRandom(99);
    TDrawState::Reset();
    SetCurrentFont(MakeTestFont());
    button = Solid(100, 40, static_cast<int>(0xff4060c0u));
    wide = Solid(200, 40, static_cast<int>(0xff40c060u));
    knob = Solid(20, 20, static_cast<int>(0xffffffffu));
    track = Solid(220, 60, static_cast<int>(0xff808080u));
    overlay = Solid(100, 40, static_cast<int>(0xffffff00u));
    root = New<guiContainer>();
    MoveMouse(0, 0);
}

void GuiTest::TearDown() {
    ResetWorld();
}

void GuiTest::MoveMouse(int x, int y) {
    EmitInput(EventMouseMove, 0, x, y);
}

void GuiTest::Press(int b) {
    EmitInput(EventMouseDown, b, MouseX(), MouseY());
}

void GuiTest::Release(int b) {
    EmitInput(EventMouseUp, b, MouseX(), MouseY());
}

void GuiTest::Click(int x, int y, int b) {
    MoveMouse(x, y);
    Press(b);
    Release(b);
}

void GuiTest::Key(int key) {
    EmitInput(EventKeyDown, key);
    EmitInput(EventKeyUp, key);
}

void GuiTest::Step(int n) {
    for (int i = 0; i < n; ++i) {
        TakeInputSnapshot();
        root->Update();
    }
}

Ref<TPixmap> GuiTest::RenderRoot() {
    Cls();
    root->Render();
    return GrabScreen();
}

int GuiTest::Rgb(const Ref<TPixmap>& screen, int x, int y) {
    return screen->ReadPixel(x, y) & 0xffffff;
}

} // namespace wispwood::test
