#include "engine/draw/graphics.h"
#include "engine/draw/message_box.h"
#include "engine/draw/sdl_driver.h"
#include "engine/input/clock.h"
#include "engine/input/polled_input.h"
#include "engine/input/system_events.h"
#include "tests/support/headless_display.h"
#include <SDL.h>

namespace wispwood {
namespace {

void MoveSystemMouse(int windowX, int windowY) {
    SDL_Event e = {};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = SDL_GetWindowID(GraphicsWindow());
    e.motion.x = windowX;
    e.motion.y = windowY;
    ASSERT_EQ(SDL_PushEvent(&e), 1);
}

class Display : public test::HeadlessDisplayTest {
  protected:
    void TearDown() override { ResetInput(); }
};

// The dummy display's desktop is 1024 x 768: the 800 x 600 picture is
// scaled by 1.28 and mouse positions come back in picture pixels.
TEST_F(Display, FullScreenScalesThePictureAndMapsTheMouseBack) {
    ASSERT_TRUE(OpenGraphics(800, 600, 32, 0, 0));
    int w, h;
    SDL_GetWindowSize(GraphicsWindow(), &w, &h);
    ASSERT_EQ(w, 1024);
    MoveSystemMouse(640, 384);
    EXPECT_EQ(MouseX(), 500);
    EXPECT_EQ(MouseY(), 300);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    int wx, wy;
    GraphicsToWindow(500, 300, &wx, &wy);
    EXPECT_EQ(wx, 640);
    EXPECT_EQ(wy, 384);
}

int ShownPixel(int x, int y) {
    SDL_Surface* shown = SDL_GetWindowSurface(GraphicsWindow());
    if (!shown) return -1;
    Uint32 pixel = static_cast<Uint32*>(shown->pixels)[y * shown->pitch / 4 + x];
    Uint8 r, g, b;
    SDL_GetRGB(pixel, shown->format, &r, &g, &b);
    return r << 16 | g << 8 | b;
}

void ResizeWindow(int width, int height) {
    SDL_SetWindowSize(GraphicsWindow(), width, height);
    PumpSystemEvents();
}

// A window of another size than the picture (a hand-edited resx, or the
// player dragging its edge) shows the picture scaled to fit with its aspect
// kept, letterboxed, and the mouse comes back in picture pixels.
TEST_F(Display, ALargerWindowScalesThePictureToFitCentred) {
    ASSERT_TRUE(OpenGraphics(1000, 700, 0, 0, 0));
    // 700 / 600: the picture is 933 pixels wide, 33 from either side.
    MoveSystemMouse(500, 350);
    EXPECT_EQ(MouseX(), 400);
    EXPECT_EQ(MouseY(), 300);
    SetColor(255, 0, 0);
    DrawRect(790, 590, 10, 10);
    Flip(0);
    EXPECT_EQ(ShownPixel(960, 694), 0xff0000);
    EXPECT_EQ(ShownPixel(975, 694), 0); // the right-hand border
    EXPECT_EQ(ShownPixel(20, 350), 0);
}

TEST_F(Display, ResizingTheWindowRescalesAndRemapsAtOnce) {
    ASSERT_TRUE(OpenGraphics(800, 600, 0, 0, 0));
    MoveSystemMouse(640, 384);
    EXPECT_EQ(MouseX(), 640); // the window holds the picture pixel for pixel

    ResizeWindow(1600, 1200);
    MoveSystemMouse(1280, 768);
    EXPECT_EQ(MouseX(), 640);
    EXPECT_EQ(MouseY(), 384);
    int wx, wy;
    GraphicsToWindow(400, 300, &wx, &wy);
    EXPECT_EQ(wx, 800);
    EXPECT_EQ(wy, 600);

    // Wider than 4:3: bars left and right, the picture 533 x 400.
    ResizeWindow(1000, 400);
    SetColor(0, 255, 0);
    DrawRect(0, 0, 20, 20);
    Flip(0);
    EXPECT_EQ(ShownPixel(240, 5), 0x00ff00);
    EXPECT_EQ(ShownPixel(225, 5), 0);
    MoveSystemMouse(500, 200);
    EXPECT_EQ(MouseX(), 400);
    EXPECT_EQ(MouseY(), 300);

    // Back to the picture's own size: unscaled again.
    ResizeWindow(800, 600);
    MoveSystemMouse(123, 456);
    EXPECT_EQ(MouseX(), 123);
    EXPECT_EQ(MouseY(), 456);
}

TEST_F(Display, OtherCodeQuittingTheVideoSubsystemLeavesTheDisplayOpen) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    ASSERT_TRUE(GraphicsWindow());
    DrawRect(0, 0, 4, 4);
    EXPECT_EQ(static_cast<uint32_t>(GrabPixmap(0, 0, 1, 1)->ReadPixel(0, 0)), 0xffffffffu);
}

TEST_F(Display, WindowTitleFollowsTheApplicationTitle) {
    SetAppTitle("Test Title");
    EXPECT_STREQ(SDL_GetWindowTitle(GraphicsWindow()), "Test Title");
    SetAppTitle("Wispwood");
}

TEST_F(Display, DialogsWithoutAScreenPrintAndAnswerNo) {
    testing::internal::CaptureStderr();
    Notify("Something to say");
    EXPECT_EQ(Confirm("Really?"), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Something to say\nReally?\n");
    SetDialogResponder([](const Text&, int isConfirm) { return isConfirm; });
    testing::internal::CaptureStderr();
    EXPECT_EQ(Confirm("Sure?"), 1);
    testing::internal::GetCapturedStderr();
    SetDialogResponder(nullptr);
}

TEST_F(Display, SoftwarePacedFlipsKeepTheRateOnTheClock) {
    auto clock = New<TManualClock>(1000);
    SetClock(clock);
    ASSERT_TRUE(OpenGraphics(800, 600, 0, 60, 0));
    // 60 frames take 16 ms each plus 40 ms of remainder spread over them.
    for (int i = 0; i < 60; ++i) Flip(-1);
    EXPECT_EQ(clock->Milliseconds(), 2000);
    clock->Advance(500);
    Flip(-1);
    EXPECT_EQ(clock->Milliseconds(), 2500);
}

// Without a real screen there is no vertical blank to measure, so opening
// full screen at 60 Hz does not spend a second flipping.
TEST_F(Display, FullScreenWithoutAScreenUsesSoftwarePacingAtOnce) {
    auto clock = New<TManualClock>(0);
    SetClock(clock);
    auto context = OpenGraphics(800, 600, 32, 60, 0);
    ASSERT_TRUE(context);
    EXPECT_TRUE(context->softSync);
    EXPECT_EQ(context->frameTime, 16);
    EXPECT_EQ(clock->Milliseconds(), 0);
}

} // namespace
} // namespace wispwood
