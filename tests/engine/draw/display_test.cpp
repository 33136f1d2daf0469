#include "engine/draw/graphics.h"
#include "engine/draw/message_box.h"
#include "engine/draw/sdl_driver.h"
#include "engine/input/clock.h"
#include "engine/input/polled_input.h"
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

TEST_F(Display, ALargerWindowShowsThePictureUnscaledAtTheTopLeft) {
    ASSERT_TRUE(OpenGraphics(1000, 700, 0, 0, 0));
    MoveSystemMouse(640, 384);
    EXPECT_EQ(MouseX(), 640);
    EXPECT_EQ(MouseY(), 384);
    SetColor(255, 0, 0);
    DrawRect(790, 590, 10, 10);
    Flip(0);
    SDL_Surface* shown = SDL_GetWindowSurface(GraphicsWindow());
    ASSERT_TRUE(shown);
    auto at = [&](int x, int y) {
        Uint32 pixel = static_cast<Uint32*>(shown->pixels)[y * shown->pitch / 4 + x];
        Uint8 r, g, b;
        SDL_GetRGB(pixel, shown->format, &r, &g, &b);
        return r << 16 | g << 8 | b;
    };
    EXPECT_EQ(at(795, 595), 0xff0000);
    EXPECT_EQ(at(805, 595), 0);
    EXPECT_EQ(at(795, 605), 0);
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
