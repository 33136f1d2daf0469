#pragma once
// A fixture for the title screen and its dialogs: the built game folder as
// the working folder (its pictures and texts), a fresh per-user folder,
// the fonts, the widgets' pictures and the menu's own loaded, and platform
// input that reaches a scene one update at a time.
#include "framework/gui/gui_gadget.h"
#include "framework/scene/game_loop.h"
#include "tests/support/headless_display.h"
#include "tests/support/paths.h"
#include "tests/support/user_folder.h"
#include <memory>

namespace wispwood::test {

class MenuTest : public HeadlessDisplayTest {
  protected:
    UserFolder user;
    std::unique_ptr<WorkingFolder> folder;

    void SetUp() override;
    void TearDown() override;

    // Takes the input snapshot and updates the scene, n times.
    void Step(GameLoop& scene, int n = 1);
    void MoveMouse(int x, int y);
    void ClickAt(int x, int y);
    // Moves onto the gadget's centre and clicks it.
    void ClickGadget(const Ref<guiGadget>& gadget);
    void Key(int key);
    // One key per update, as a player types.
    void Type(GameLoop& scene, const char* text);
};

} // namespace wispwood::test
