#include "engine/draw/graphics.h"
#include "engine/io/random.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font_files.h"
#include "game/board/board_frame.h"
#include "game/board/effect_images.h"
#include "game/board/game_score.h"
#include "game/board/reward_text.h"
#include "game/services/game_fonts.h"
#include "tests/support/feedback_fixture.h"
#include "tests/support/headless_display.h"
#include "tests/support/paths.h"
#include "tests/support/test_font.h"

namespace wispwood {
namespace {

class RewardTexts : public test::FeedbackTest {
  protected:
    void SetUp() override {
        test::FeedbackTest::SetUp();
        test::BuildBoard({"0123456701", "1"});
        BigFont = test::MakeTestFont();
    }
    static Ref<RewardText> Line(const Ref<RewardTextGroup>& g, int index) {
        return g->Instances.ValueAtIndex(index);
    }
    // One game update and frame.
    static void Step(int updates = 1) {
        for (int i = 0; i < updates; ++i) {
            UpdateRewardTexts();
            RenderRewardTexts();
        }
    }
    static int Sparkles() {
        return RewardSparklesAbove.AllParticles.Count() + RewardSparklesBelow.AllParticles.Count();
    }
};

TEST_F(RewardTexts, OnlyTheHeadOfEachListAdvances) {
    auto first = CreateRewardText("AB", "", 0, 0, 0);
    auto second = CreateRewardText("BA", "", 0, 0, 0);
    auto important = CreateRewardText("A", "", 1, 1, 0);
    ASSERT_EQ(RewardTextQueue.Count(), 2);
    ASSERT_EQ(ImportantRewardTexts.Count(), 1);
    EXPECT_EQ(RewardTextCount(), 3);
    auto secondLine = Line(second, 0);

    Step(201); // a line of life 200 ends in its 201st update
    EXPECT_TRUE(first->Instances.IsEmpty());
    EXPECT_TRUE(important->Instances.IsEmpty()); // the other list ran alongside
    EXPECT_EQ(secondLine->Ticks, 0);
    EXPECT_EQ(RewardTextCount(), 3);

    Step(49);
    EXPECT_EQ(first->_Done, 1);
    EXPECT_EQ(RewardTextQueue.First(), second);
    EXPECT_EQ(RewardTextCount(), 1);
    EXPECT_EQ(secondLine->Ticks, 0);
    Step(1); // 50 updates after the first group's line ended
    EXPECT_EQ(secondLine->Ticks, 1);

    Step(250);
    EXPECT_EQ(RewardTextCount(), 0);
}

TEST_F(RewardTexts, LinesArePlacedByImportanceAndStyle) {
    auto combo = CreateRewardText("AB", "", 0, 0, 0);
    EXPECT_EQ(Line(combo, 0)->y, 24);
    EXPECT_FLOAT_EQ(Line(combo, 0)->scale, 0.7f);
    EXPECT_EQ(Line(combo, 0)->x, BoardCentreX());
    EXPECT_EQ(Line(combo, 0)->Important, 0);
    EXPECT_EQ(combo->Score, nullptr);

    // The gold combo banner sits at the top but sparkles, in gold.
    EffectImages.StarGold = New<TImage>();
    EffectImages.TwinkleGold = New<TImage>();
    auto gold = CreateRewardText("AB", "", 0, 2, 0);
    EXPECT_EQ(Line(gold, 0)->y, 24);
    EXPECT_EQ(Line(gold, 0)->Important, 1);
    EXPECT_EQ(Line(gold, 0)->ParticleOverlay, EffectImages.TwinkleGold);
    EXPECT_EQ(gold->Instances.Count(), 1);

    // The quest messages: the first line centred on the screen, the second
    // under it centred on the board.
    auto quest = CreateRewardText("AB", "BA", 1, 1, 1);
    ASSERT_NE(BoardCentreX(), ScreenWidth / 2);
    EXPECT_EQ(Line(quest, 0)->x, ScreenWidth / 2);
    EXPECT_EQ(Line(quest, 0)->y, ScreenHeight / 2);
    EXPECT_FLOAT_EQ(Line(quest, 0)->scale, 1.0f);
    EXPECT_EQ(quest->Score, Line(quest, 1));
    EXPECT_EQ(Line(quest, 1)->x, BoardCentreX());
    EXPECT_EQ(Line(quest, 1)->y, ScreenHeight / 2 + 42);
    EXPECT_EQ(Line(quest, 1)->Important, 1);
    EXPECT_EQ(ImportantRewardTexts.First(), quest);
}

TEST_F(RewardTexts, ANumericSecondLineAddsToTheScoreOnceWhenMade) {
    CreateRewardText(" ", "5000", 0, 0, 0);
    EXPECT_EQ(GameScore, 5000);
    Step(400);
    EXPECT_EQ(RewardTextCount(), 0);
    EXPECT_EQ(GameScore, 5000);

    for (const char* other : {"PERFECT!", "12A", "007", " 5", ""}) CreateRewardText(" ", other, 0, 0, 0);
    EXPECT_EQ(GameScore, 5000);
}

TEST_F(RewardTexts, LettersPopInTwoUpdatesApartAndThenTheGlowGrows) {
    auto g = CreateRewardText("ABABABABAB", "", 1, 1, 0);
    auto line = Line(g, 0);
    Step(1);
    EXPECT_GT(line->fds.Scale[0], 0);
    EXPECT_EQ(line->fds.Scale[9], 0);
    Step(17);
    EXPECT_EQ(line->fds.Scale[9], 0);
    Step(1); // 18 updates after the first letter, the last one starts
    EXPECT_FLOAT_EQ(line->fds.Scale[9], 0.1f);
    EXPECT_FLOAT_EQ(line->fds.Scale[0], 1.0f);
    Step(9);
    EXPECT_FLOAT_EQ(line->fds.Scale[9], 1.0f);
    // The glow copy grows once every letter is in: more than 10 updates
    // past two per letter.
    Step(2);
    EXPECT_EQ(line->PulseTicks, 0);
    Step(1);
    EXPECT_EQ(line->Ticks, 31);
    EXPECT_EQ(line->PulseTicks, 1);
}

TEST_F(RewardTexts, OnlyImportantLinesSparkle) {
    CreateRewardText("ABABABABABAB", "", 0, 0, 0);
    Step(400);
    EXPECT_EQ(Sparkles(), 0);

    CreateRewardText("ABABABABABAB", "", 1, 1, 0);
    Step(200);
    EXPECT_GT(Sparkles(), 0);
}

TEST_F(RewardTexts, GlintsLeaveTheMainRandomStreamWhereItWas) {
    // The line alone: the sparkles it made draw from the stream as they live.
    auto line = Line(CreateRewardText("ABABABABABAB", "", 1, 1, 0), 0);
    int quiet = 0, glinting = 0;
    for (int i = 0; i < 200; ++i) {
        const int32_t seed = RandomSeed();
        const int before = Sparkles();
        line->Update();
        if (Sparkles() == before) {
            EXPECT_EQ(RandomSeed(), seed) << "update " << i + 1;
            quiet += 1;
        } else {
            glinting += 1;
        }
        line->Render();
    }
    EXPECT_GT(quiet, 60);
    EXPECT_GT(glinting, 10);
}

// The sparkles come from the letters grown in by each update, however often
// the line is drawn: a frame rate must not change the game's random draws.
TEST_F(RewardTexts, TheSparklesFollowTheUpdatesNotTheDrawing) {
    auto play = [&](int drawEvery) {
        ResetRewardTexts();
        SeedRandom(99);
        auto line = Line(CreateRewardText("ABABABABABAB", "", 1, 1, 0), 0);
        line->baseTicksSeed = 4321;
        for (int i = 0; i < 200; ++i) {
            line->Update();
            if (drawEvery && i % drawEvery == 0) line->Render();
        }
        return std::pair{RandomSeed(), Sparkles()};
    };
    const auto everyUpdate = play(1);
    EXPECT_GT(everyUpdate.second, 10);
    EXPECT_EQ(play(7), everyUpdate);
    EXPECT_EQ(play(0), everyUpdate);
}

TEST_F(RewardTexts, TheGlintPatternBelongsToTheText) {
    // Whatever else draws from the main stream, a text glints on the same
    // updates.
    auto pattern = [&](bool disturb) {
        ResetRewardTexts();
        auto line = Line(CreateRewardText("ABABABABABAB", "", 1, 1, 0), 0);
        line->baseTicksSeed = 4321;
        std::vector<int> updates;
        for (int i = 0; i < 200; ++i) {
            if (disturb) RandomInt(0, 1000);
            const int before = Sparkles();
            line->Update();
            line->Render();
            if (Sparkles() > before) updates.push_back(i);
        }
        return updates;
    };
    const std::vector<int> calm = pattern(false);
    EXPECT_GT(calm.size(), 10u);
    EXPECT_EQ(pattern(true), calm);
}

TEST_F(RewardTexts, ANeverEndingLineKeepsGlintingPastThirtyTwoBitSeeds) {
    // The quest map's final message: ticks x 10000 outgrows an int after
    // about 36 minutes.
    auto g = CreateRewardText("ABABABABABAB", "", 1, 1, 1);
    auto line = Line(g, 0);
    line->Infinite = 1;
    line->Ticks = 214740;
    Step(2000);
    EXPECT_EQ(RewardTextCount(), 1); // it never ends and blocks its list
    EXPECT_GT(Sparkles(), 0);
    EXPECT_EQ(line->_Done, 0);
}

TEST_F(RewardTexts, EmptyLinesAndEmptyGroupsDoNotBlockTheQueue) {
    // Without a text table the extra-life line is empty.
    auto empty = CreateRewardText("", "", 0, 0, 0);
    auto lonely = New<RewardTextGroup>();
    RewardTextQueue.AddLast(lonely);
    auto last = CreateRewardText("AB", "", 0, 0, 0);
    Step(201 + 50);
    EXPECT_EQ(RewardTextQueue.First(), lonely);
    Step(51);
    EXPECT_EQ(RewardTextQueue.First(), last);

    // A caller that changes a line after it was made gets scales to match.
    auto line = Line(last, 0);
    line->txt = "ABABAB";
    Step(1);
    EXPECT_EQ(line->fds.Scale.size(), 6u);
}

TEST_F(RewardTexts, TextsWithoutAFontStillRunTheirCourse) {
    BigFont = nullptr;
    CreateRewardText("AB", "1", 1, 1, 1);
    Step(300);
    EXPECT_EQ(RewardTextCount(), 0);
    EXPECT_EQ(GameScore, 1);
}

class RewardTextPicture : public RewardTexts {
  protected:
    test::TempDir dir;
    void SetUp() override {
        RewardTexts::SetUp();
        ASSERT_TRUE(test::OpenHeadlessDisplay());
        test::WriteTestFontFolder(dir.File("font"), true);
        BigFont = LoadFont(dir.File("font"));
        ASSERT_TRUE(BigFont && BigFont->Image);
        SetClsColor(0, 0, 0);
        Cls();
    }
};

TEST_F(RewardTextPicture, TheLineIsDrawnInTheMiddleOfTheScreen) {
    CreateRewardText("ABAB", "", 1, 1, 1);
    for (int i = 0; i < 40; ++i) UpdateRewardTexts();
    Cls();
    RenderRewardTexts();
    EXPECT_EQ(TDrawState::Size(), 0);
    auto screen = test::GrabScreen();
    int lit = 0;
    for (int y = 270; y < 330; ++y)
        for (int x = 340; x < 460; ++x) lit += (screen->ReadPixel(x, y) & 0xffffff) != 0;
    EXPECT_GT(lit, 200);
    // Nothing of it at the top of the screen, where the combo banners go.
    for (int x = 340; x < 460; ++x) EXPECT_EQ(screen->ReadPixel(x, 24) & 0xffffff, 0) << x;
}

} // namespace
} // namespace wispwood
