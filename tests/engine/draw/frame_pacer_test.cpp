#include "engine/draw/frame_pacer.h"
#include "engine/draw/graphics.h"
#include "engine/input/clock.h"
#include "tests/support/headless_display.h"
#include <climits>
#include <vector>

namespace wispwood {
namespace {

// Runs frames that each take `work` ms before asking, sleeping what the
// pacer says; gives the clock reading at which each frame showed.
std::vector<int> ShowFrames(TFramePacer& pacer, int& now, int count, int work) {
    std::vector<int> shown;
    for (int i = 0; i < count; ++i) {
        now += work;
        now += pacer.WaitBeforeFrame(now);
        shown.push_back(now);
    }
    return shown;
}

TEST(FramePacer, SixtyFramesFillOneSecondInWholeMilliseconds) {
    TFramePacer pacer;
    int now = 5000;
    pacer.Start(60, now);
    EXPECT_EQ(pacer.FrameTime(), 16);
    auto shown = ShowFrames(pacer, now, 60, 3);
    EXPECT_EQ(shown.back(), 6000);
    for (size_t i = 1; i < shown.size(); ++i) {
        int gap = shown[i] - shown[i - 1];
        EXPECT_TRUE(gap == 16 || gap == 17) << "frame " << i << " came " << gap << " ms after the last";
    }
    // Frames slower than the rate are never held.
    int before = now;
    shown = ShowFrames(pacer, now, 10, 40);
    EXPECT_EQ(now, before + 400);
}

TEST(FramePacer, ALateFrameIsNotFollowedByABurst) {
    TFramePacer pacer;
    int now = 0;
    pacer.Start(60, now);
    ShowFrames(pacer, now, 5, 1);
    now += 200; // a stall, say loading
    EXPECT_EQ(pacer.WaitBeforeFrame(now), 0);
    // The next frames keep the rate from the late one instead of catching up.
    int late = now;
    auto shown = ShowFrames(pacer, now, 3, 0);
    EXPECT_GE(shown[0] - late, 16);
    EXPECT_GE(shown[1] - shown[0], 16);
}

TEST(FramePacer, ClockWrapsAndStepsBackNeverFreezeFrames) {
    TFramePacer pacer;
    int now = INT_MAX - 20;
    pacer.Start(60, now);
    // Across the wrap of the 32-bit reading the waits stay one frame long.
    for (int i = 0; i < 4; ++i) {
        int wait = pacer.WaitBeforeFrame(now);
        EXPECT_GE(wait, 16);
        EXPECT_LE(wait, 17);
        now = static_cast<int>(static_cast<unsigned>(now) + static_cast<unsigned>(wait));
    }
    // A clock set back by a minute holds the frame one frame time, not a minute.
    now -= 60000;
    EXPECT_LE(pacer.WaitBeforeFrame(now), 17);
    // No rate, no pacing.
    pacer.Start(0, now);
    EXPECT_EQ(pacer.WaitBeforeFrame(now), 0);
}

class PacedFlip : public test::HeadlessDisplayTest {
  protected:
    void TearDown() override {
        SetPacingClock(nullptr);
        ResetClock();
    }
};

// The dummy driver has no vertical blank: the pacing clock alone keeps the
// rate, and the game clock, which the updates count, is left alone.
TEST_F(PacedFlip, FramesComeAtTheDisplayRateOnThePacingClockOnly) {
    auto game = New<TManualClock>(1000);
    SetClock(game);
    ASSERT_TRUE(OpenGraphics(800, 600, 0, 60, 0));
    auto pacing = New<TManualClock>(50);
    SetPacingClock(pacing);
    for (int i = 0; i < 120; ++i) FlipPaced();
    EXPECT_EQ(pacing->Milliseconds(), 2050);
    EXPECT_EQ(game->Milliseconds(), 1000);
    // A display opened without a rate is paced at 60 frames a second.
    ASSERT_TRUE(OpenGraphics(800, 600, 0, 0, 0));
    SetPacingClock(pacing);
    for (int i = 0; i < 60; ++i) FlipPaced();
    EXPECT_EQ(pacing->Milliseconds(), 3050);
}

} // namespace
} // namespace wispwood
