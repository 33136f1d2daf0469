// Pads through the platform: a virtual controller is plugged in, pressed,
// leant on and pulled out, and the game sees arrow keys, Return, Escape and
// Pause come and go as from a keyboard.
#include "engine/input/event.h"
#include "engine/input/game_controllers.h"
#include "engine/input/key_codes.h"
#include "engine/input/polled_input.h"
#include "engine/input/virtual_pad.h"
#include <SDL.h>
#include <cstdlib>
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class GameControllers : public ::testing::Test {
  protected:
    VirtualPad pad;

    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        ResetInput();
        EnablePolledInput();
    }
    void TearDown() override {
        pad.Unplug();
        ResetInput();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    // The pad's messages reach the game when it next looks.
    static void Look() { KeyDown(0); }
    void PlugIn() {
        ASSERT_TRUE(pad.PlugIn());
        Look();
    }
    void Button(VirtualPad::Button button, bool down) {
        if (down)
            pad.Hold(button);
        else
            pad.Release(button);
        Look();
    }
    void Stick(VirtualPad::Axis axis, int value) {
        pad.Lean(axis, value);
        Look();
    }
};

TEST(StickAxis, LeansPastTheThresholdAndComesBackWithinTheSmallerOne) {
    StickAxis stick;
    EXPECT_EQ(stick.Move(StickAxis::PressAt - 1), 0);
    EXPECT_EQ(stick.Move(StickAxis::PressAt), 1);
    // Sagging back between the two thresholds still holds the direction.
    EXPECT_EQ(stick.Move(StickAxis::ReleaseAt + 1), 1);
    EXPECT_EQ(stick.Move(StickAxis::ReleaseAt - 1), 0);
    EXPECT_EQ(stick.Move(-StickAxis::ReleaseAt - 1), 0);
    EXPECT_EQ(stick.Move(-32768), -1);
    // Flung straight across, it changes sides at once.
    EXPECT_EQ(stick.Move(32767), 1);
    EXPECT_EQ(stick.Held(), 1);
}

TEST_F(GameControllers, APluggedInPadPlaysAsTheKeyboard) {
    EXPECT_EQ(GameControllerCount(), 0);
    PlugIn();
    EXPECT_EQ(GameControllerCount(), 1);

    const struct {
        VirtualPad::Button button;
        int key;
    } buttons[] = {{VirtualPad::A, KeyReturn},        {VirtualPad::B, KeyEscape},
                   {VirtualPad::Back, KeyEscape},     {VirtualPad::Start, KeyPause},
                   {VirtualPad::X, KeyBackspace},     {VirtualPad::Up, KeyArrowUp},
                   {VirtualPad::Down, KeyArrowDown},  {VirtualPad::Left, KeyArrowLeft},
                   {VirtualPad::Right, KeyArrowRight}};
    for (const auto& b : buttons) {
        Button(b.button, true);
        EXPECT_EQ(KeyDown(b.key), 1) << b.button;
        Button(b.button, false);
        EXPECT_EQ(KeyDown(b.key), 0) << b.button;
        EXPECT_EQ(KeyPresses(b.key), 1) << b.button;
    }
    // A button without a key presses nothing.
    Button(VirtualPad::LeftShoulder, true);
    for (int key = 0; key < KeyCount; ++key) EXPECT_EQ(KeyPresses(key), 0) << key;
}

TEST_F(GameControllers, TheStickAndTheDpadHoldOneKeyTogether) {
    PlugIn();
    Stick(VirtualPad::LeftX, 20000);
    Button(VirtualPad::Right, true);
    EXPECT_EQ(KeyPresses(KeyArrowRight), 1);
    // Letting go of one leaves the key held by the other.
    Button(VirtualPad::Right, false);
    EXPECT_EQ(KeyDown(KeyArrowRight), 1);
    Stick(VirtualPad::LeftX, 12000);
    EXPECT_EQ(KeyDown(KeyArrowRight), 1);
    Stick(VirtualPad::LeftX, 0);
    EXPECT_EQ(KeyDown(KeyArrowRight), 0);
    EXPECT_EQ(KeyPresses(KeyArrowRight), 0);

    // Up on the stick is negative; swung straight down it lets go of up.
    Stick(VirtualPad::LeftY, -30000);
    EXPECT_EQ(KeyDown(KeyArrowUp), 1);
    Stick(VirtualPad::LeftY, 30000);
    EXPECT_EQ(KeyDown(KeyArrowUp), 0);
    EXPECT_EQ(KeyDown(KeyArrowDown), 1);
    EXPECT_EQ(KeyPresses(KeyArrowUp), 1);
    EXPECT_EQ(KeyPresses(KeyArrowDown), 1);
}

TEST_F(GameControllers, APadPulledOutMidPressLeavesNoKeyHeld) {
    PlugIn();
    Button(VirtualPad::A, true);
    Stick(VirtualPad::LeftX, -32768);
    ASSERT_EQ(KeyDown(KeyReturn), 1);
    ASSERT_EQ(KeyDown(KeyArrowLeft), 1);
    // The removal arrives without the releases.
    pad.SendRemoved();
    Look();
    EXPECT_EQ(GameControllerCount(), 0);
    EXPECT_EQ(KeyDown(KeyReturn), 0);
    EXPECT_EQ(KeyDown(KeyArrowLeft), 0);
    // Pulled out for real afterwards, nothing more happens; plugged in
    // again, it plays.
    pad.Unplug();
    PlugIn();
    EXPECT_EQ(GameControllerCount(), 1);
    Button(VirtualPad::B, true);
    EXPECT_EQ(KeyPresses(KeyEscape), 1);
}

TEST_F(GameControllers, PadsPresentWhenTheDisplayOpensAreTaken) {
    PlugIn();
    ResetInput();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT); // the plug-in message is gone
    EXPECT_EQ(GameControllerCount(), 0);
    EnablePolledInput();
    EXPECT_EQ(GameControllerCount(), 1);
    Button(VirtualPad::Start, true);
    EXPECT_EQ(KeyPresses(KeyPause), 1);
}

} // namespace
} // namespace wispwood
