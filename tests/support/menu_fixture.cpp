#include "tests/support/menu_fixture.h"
#include "engine/input/event.h"
#include "engine/input/polled_input.h"
#include "engine/io/random.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "framework/gui/gui_resources.h"
#include "framework/gui/pointer.h"
#include "framework/highscores/high_score_table.h"
#include "framework/layout/layout_resource.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "framework/scene/tunables.h"
#include "framework/sound/sound.h"
#include "game/adventure/high_score_menu.h"
#include "game/app/jungle_dust.h"
#include "game/app/main_scene.h"
#include "game/app/world_reset.h"
#include "game/level/level_clock.h"
#include "game/services/game_fonts.h"
#include "game/services/options_dialog.h"
#include "game/services/profiles.h"
#include "game/services/settings.h"
#include "game/services/start_flags.h"
#include "game/services/text_table.h"
#include "game/services/user_data.h"
#include "tests/support/input_events.h"

namespace wispwood::test {

namespace {

} // namespace

void MenuTest::SetUp() {
    HeadlessDisplayTest::SetUp();
    folder = std::make_unique<WorkingFolder>(GamePath(""));
    ResetWorld();
    SeedRandom(7);
    TDrawState::Reset();
    EnsureUserDataFolder();
    CreateSettings();
    ReadSettings();
    LoadTextTable();
    MainLayout = LayoutResource::Create("media\\res.dat");
    LoadFonts();
    LoadGuiResources();
    MainScene::Load();
    LoadOptionsImages();
    MoveMouse(0, 0);
}

void MenuTest::TearDown() {
    ResetWorld();
    folder.reset();
}

void MenuTest::Step(GameLoop& scene, int n) {
    for (int i = 0; i < n; ++i) {
        TakeInputSnapshot();
        scene.Update();
    }
}

void MenuTest::MoveMouse(int x, int y) {
    EmitInput(EventMouseMove, 0, x, y);
}

void MenuTest::ClickAt(int x, int y) {
    MoveMouse(x, y);
    EmitInput(EventMouseDown, 1, x, y);
    EmitInput(EventMouseUp, 1, x, y);
}

void MenuTest::ClickGadget(const Ref<guiGadget>& gadget) {
    ASSERT_TRUE(gadget);
    ClickAt(static_cast<int>(gadget->x + gadget->GetWidtH() / 2),
            static_cast<int>(gadget->y + gadget->GetHeight() / 2));
}

void MenuTest::Key(int key) {
    EmitInput(EventKeyDown, key);
    EmitInput(EventKeyUp, key);
}

void MenuTest::Type(GameLoop& scene, const char* text) {
    for (const char* c = text; *c; ++c) {
        Key((*c >= 'a' && *c <= 'z') ? *c - 'a' + 'A' : *c);
        Step(scene);
    }
}

} // namespace wispwood::test
