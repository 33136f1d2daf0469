#include "game/board/game_score.h"
#include "game/board/score_popups.h"
#include "tests/support/ascii_board.h"

namespace wispwood {
namespace {

class ScorePopup : public test::BoardTest {};

TEST_F(ScorePopup, PointsCountAtOnceAndShowAfterAPause) {
    EXPECT_EQ(ShowPoints(0, 100, 100, 1, 0, 100, 0), nullptr);
    EXPECT_EQ(ScorePopups.AllParticles.Count(), 0);
    Ref<Particle> text = ShowPoints(30, 100, 200, 0.75f, 0, 100, 0);
    ASSERT_TRUE(text);
    EXPECT_EQ(GameScore, 30);
    EXPECT_EQ(ScorePopups.AllParticles.Count(), 2); // backing and text
    EXPECT_EQ(text->Delayed, 55);
    EXPECT_EQ(PopupsWaiting(), 1);
    for (int i = 0; i < 55; ++i) ScorePopups.Update();
    EXPECT_EQ(PopupsWaiting(), 0);
    // Over its life the text pops in with an overshoot and fades out.
    EXPECT_FLOAT_EQ(text->OverrideScale->f(0.2f), 1.1f * 0.75f);
    EXPECT_FLOAT_EQ(text->OverrideAlpha->f(1.0f), 0);
}

TEST_F(ScorePopup, RisingPopupsLeaveTheBoardBehind) {
    ShowPoints(100, 0, 300, 1, 1, 100, 1);
    ASSERT_EQ(ScorePopups.AllParticles.Count(), 3);
    std::vector<Ref<Particle>> made;
    for (const auto& p : ScorePopups.AllParticles) made.push_back(p);
    Ref<Particle> backing = made[0], text = made[1], excellent = made[2];
    EXPECT_EQ(backing->TotalLife, 75);
    EXPECT_EQ(text->TotalLife, 75);
    EXPECT_FLOAT_EQ(excellent->y, 300 - 40 - 20);
    EXPECT_EQ(excellent->Delayed, 80);

    Ref<Particle> still = ShowPoints(10, 0, 300, 1, 0, 100, 0);
    ScrollPopups(2);
    EXPECT_FLOAT_EQ(still->y, 302); // moves with the board
    EXPECT_FLOAT_EQ(text->y, 300);  // rises on its own
}

TEST_F(ScorePopup, LargePopupsUseTheBigFontAtAReducedScale) {
    Ref<Particle> text = ShowPoints(1000, 0, 0, 1.8f, 0, 100, 0);
    EXPECT_FLOAT_EQ(text->OverrideScale->f(1), 1.0f);
}

TEST(ScoreCounter, ClosesTheGapInShrinkingSteps) {
    ResetGameScore();
    GameScore = 12345;
    std::vector<int> shown;
    for (int i = 0; i < 3; ++i) CountDisplayedScore(), shown.push_back(DisplayedScore);
    EXPECT_EQ(shown, (std::vector<int>{1000, 2000, 3000}));
    DisplayedScore = GameScore - 5;
    CountDisplayedScore();
    EXPECT_EQ(DisplayedScore, GameScore - 4);
    ResetGameScore();
}

} // namespace
} // namespace wispwood
