#pragma once
// A fixture for widget tests: the headless display, fresh input, pointer,
// scene and tunable state, the small test font as the current font, plain
// pictures for buttons, and input delivered as platform events and taken
// into the input snapshot one update at a time.
#include "framework/gui/gui_container.h"
#include "tests/support/headless_display.h"

namespace wispwood::test {

class GuiTest : public HeadlessDisplayTest {
  protected:
    Ref<TImage> button;  // 100 x 40
    Ref<TImage> wide;    // 200 x 40
    Ref<TImage> knob;    // 20 x 20
    Ref<TImage> track;   // 220 x 60
    Ref<TImage> overlay; // 100 x 40
    Ref<guiContainer> root;

    void SetUp() override;
    void TearDown() override;

    // Platform input; it reaches the widgets with the next Step.
    void MoveMouse(int x, int y);
    void Press(int button = 1);
    void Release(int button = 1);
    void Click(int x, int y, int button = 1);
    void Key(int key);
    // Takes the input snapshot and updates the root container, n times.
    void Step(int n = 1);

    // Clears the screen, draws the root container and grabs the screen.
    Ref<TPixmap> RenderRoot();
    // The colour at (x, y) as 0xRRGGBB.
    static int Rgb(const Ref<TPixmap>& screen, int x, int y);
};

} // namespace wispwood::test
