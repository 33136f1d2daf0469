#include "engine/input/clock.h"
#include "framework/anim/anim.h"
#include "framework/anim/numeric.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

// The frames an animation shows over a number of updates.
std::vector<int> Play(TAnim& anim, int updates) {
    std::vector<int> shown;
    for (int i = 0; i < updates; ++i) {
        shown.push_back(anim.Frame());
        anim.Update();
    }
    return shown;
}

Ref<TImage> Strip(int frames) {
    return CreateImage(4, 4, frames, 0);
}

TEST(Anim, EachFrameLastsTickSpeedPlusOneUpdatesAndLoops) {
    auto anim = TAnim::CreateFromImage(Strip(5));
    anim->CurrentAnimStretch->FrameTickSpeed = 3;
    auto shown = Play(*anim, 24);
    std::vector<int> expected;
    for (int f : {0, 1, 2, 3, 4, 0}) expected.insert(expected.end(), 4, f);
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(anim->CurrentAnimStretch->Repeats, 1);
    EXPECT_TRUE(anim->Image());
}

TEST(Anim, ChainedStretchesPlayOnceRepeatThenHold) {
    auto image = Strip(8);
    auto opening = TAnimStretch::CreateFromFrameSequence(image, {0, 1, 2});
    opening->NumberOfRepeats = 1;
    auto middle = TAnimStretch::CreateFromFrameSequence(image, {6, 5});
    middle->NumberOfRepeats = 2;
    auto rest = TAnimStretch::CreateFromFrameSequence(image, {0});
    rest->PlayThroughMethod = 4;
    opening->Bridges.push_back(middle);
    middle->Bridges.push_back(rest);
    TAnim anim;
    anim.SetAnimStretch(opening);
    EXPECT_EQ(Play(anim, 10), (std::vector<int>{0, 1, 2, 6, 5, 6, 5, 0, 0, 0}));
    EXPECT_EQ(anim.CurrentAnimStretch, rest);
}

// A blink that bridges back to the open eye and the open eye back to the
// blink: once the animation goes, nothing keeps either alive.
TEST(Anim, AReleasedCycleGoesWithItsAnimation) {
    auto image = Strip(2);
    std::weak_ptr<TAnimStretch> open, blink;
    {
        auto a = TAnimStretch::CreateFromFrameSequence(image, {0});
        auto b = TAnimStretch::CreateFromFrameSequence(image, {1});
        a->NumberOfRepeats = b->NumberOfRepeats = 1;
        a->Bridges = {b};
        b->Bridges = {a};
        open = a;
        blink = b;
        TAnim anim;
        anim.SetAnimStretch(a);
        EXPECT_EQ(Play(anim, 4), (std::vector<int>{0, 1, 0, 1}));
    }
    EXPECT_TRUE(open.expired());
    EXPECT_TRUE(blink.expired());
}

TEST(Anim, PingPongTurnsAtBothEnds) {
    auto stretch = TAnimStretch::CreateFromFrameSequence(Strip(3));
    stretch->PlayThroughMethod = 2;
    TAnim anim;
    anim.SetAnimStretch(stretch);
    EXPECT_EQ(Play(anim, 9), (std::vector<int>{0, 1, 2, 1, 0, 1, 2, 1, 0}));
    EXPECT_EQ(stretch->Repeats, 2);
}

TEST(Anim, SeparateImagesAndMissingImagesAreHarmless) {
    auto a = Strip(1), b = Strip(1);
    auto anim = New<TAnim>();
    anim->SetAnimStretch(TAnimStretch::CreateFromImageSequence({a, b}));
    EXPECT_EQ(anim->Image(), a);
    anim->Update();
    EXPECT_EQ(anim->Image(), b);
    EXPECT_EQ(anim->Frame(), 0);

    auto none = TAnim::CreateFromImage(nullptr);
    Play(*none, 5);
    EXPECT_EQ(none->Frame(), 0);
    TAnim empty;
    empty.Update();
    EXPECT_FALSE(empty.Image());
}

TEST(FramesPerSecond, ReportsThePreviousWholeSecond) {
    auto clock = std::make_shared<TManualClock>(5000);
    SetClock(clock);
    ResetFramesPerSecond();
    for (int i = 0; i < 60; ++i) {
        FramesPerSecond();
        clock->Advance(10);
    }
    EXPECT_EQ(FramesPerSecond(), 0); // still inside the first second
    clock->Advance(500);
    EXPECT_EQ(FramesPerSecond(), 62);
    clock->Advance(5000);
    EXPECT_EQ(FramesPerSecond(), 0); // a silent gap
    ResetClock();
    ResetFramesPerSecond();
}

} // namespace
} // namespace wispwood
