#include "engine/draw/graphics.h"
#include "framework/anim/ticker.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_resources.h"
#include "framework/gui/pointer.h"
#include "framework/images/game_image.h"
#include "framework/scene/frame_loop.h"
#include "tests/support/gui_fixture.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class Pointer : public test::GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        GuiPointer = LoadGameImage(test::SolidPixmap(4, 4, static_cast<int>(0xffff0000u)), 0);
        GuiPointerHand = LoadGameImage(test::SolidPixmap(4, 4, static_cast<int>(0xff00ff00u)), 0);
        Cls();
    }
    void TearDown() override {
        ResetGuiResources();
        ResetFrameLoop();
        GuiTest::TearDown();
    }
    static int Pixel(int x, int y) { return Rgb(test::GrabScreen(), x, y); }
};

TEST_F(Pointer, TheArrowAndTheHandHaveTheirOwnHotSpots) {
    DrawGamePointer(100, 100);
    EXPECT_EQ(Pixel(95, 100), 0xff0000);
    EXPECT_EQ(Pixel(94, 100), 0);
    EXPECT_EQ(Pixel(95, 99), 0);
    Cls();
    root->AddButton(90, 90, button);
    MoveMouse(100, 100);
    Step();
    ASSERT_EQ(PointerIsHand(), 1);
    DrawGamePointer(100, 100);
    EXPECT_EQ(Pixel(92, 98), 0x00ff00);
    EXPECT_EQ(Pixel(91, 98), 0);
}

TEST_F(Pointer, RootContainersChooseTheShapeEachUpdate) {
    root->ForcePointerOver = 1;
    Step();
    EXPECT_EQ(PointerIsHand(), 1);
    root->ForcePointerOver = 0;
    Step();
    EXPECT_EQ(PointerIsHand(), 0);
    // A hand left from an earlier update (a screen without widgets since)
    // is the arrow again.
    SetPointerHand(1);
    UpdateCount += 1;
    EXPECT_EQ(PointerIsHand(), 0);
}

TEST_F(Pointer, ItIsDrawnPlainlyWhateverTheSceneLeftAndFadesWithTheOverride) {
    SetColor(0, 0, 255);
    SetAlpha(0.1f);
    SetScale(5, 5);
    SetOrigin(50, 50);
    DrawGamePointer(100, 100);
    EXPECT_EQ(Pixel(96, 101), 0xff0000);
    EXPECT_FLOAT_EQ(GetAlpha(), 0.1f); // and the state is given back
    Cls();
    SetOrigin(0, 0);
    SetScale(1, 1);
    PointerAlphaOverride = 1;
    PointerAlpha = 0.5f;
    DrawGamePointer(100, 100);
    EXPECT_NEAR(Pixel(96, 101) >> 16, 128, 2);
}

TEST_F(Pointer, TheSceneLoopDrawsItOnceInstalled) {
    EXPECT_FALSE(FrameUpcalls.DrawMousePointer);
    InstallGamePointer();
    ASSERT_TRUE(FrameUpcalls.DrawMousePointer);
    FrameUpcalls.DrawMousePointer(300, 300);
    EXPECT_EQ(Pixel(296, 301), 0xff0000);
    ResetPointer();
    EXPECT_EQ(PointerAlphaOverride, 0);
    EXPECT_FLOAT_EQ(PointerAlpha, 1);
}

} // namespace
} // namespace wispwood
