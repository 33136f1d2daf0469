// The bonus game's rules: the show, the hide click, the finds and the
// wrong clicks with their scores, the finish and its timing, and the
// pattern table.
#include "framework/gui/gui_gadget.h"
#include "framework/gui/gui_text_heading.h"
#include "framework/scene/input_snapshot.h"
#include "game/board/board.h"
#include "game/board/board_sound.h"
#include "game/board/game_score.h"
#include "game/board/level.h"
#include "game/board/level_result.h"
#include "game/board/level_set.h"
#include "game/board/reward_text.h"
#include "game/board/score_popups.h"
#include "game/board/tutorials.h"
#include "game/level/bonus_brick.h"
#include "game/level/bonus_game.h"
#include "game/level/bonus_tutorial.h"
#include "game/level/level_start.h"
#include "game/services/settings.h"
#include "tests/support/ascii_board.h"
#include <algorithm>

namespace wispwood {
namespace {

class BonusGame : public test::BoardTest {
  protected:
    std::vector<Text> sounds;

    void SetUp() override {
        test::BoardTest::SetUp();
        RecordBoardSounds(&sounds);
        SnapshotValid = 1;
        OverrideMouse(0, 0);
    }
    void TearDown() override { test::BoardTest::TearDown(); }

    // A location whose only level is a bonus level of that number.
    void Start(int bonusNumber) {
        CurrentLevelSet = New<LevelSet>();
        auto bonus = New<BonusLevel>();
        bonus->BonusNumber = bonusNumber;
        bonus->PieceWidth = bonus->PieceHeight = 48;
        bonus->_Width = 5;
        CurrentLevelSet->Levels.push_back(bonus);
        ASSERT_EQ(StartLevel(1, 0), 0);
    }
    // One update of the game and of the layers the game scene runs with
    // it (the score popups and reward texts it waits for).
    static void Update() {
        ScorePopups.Update();
        UpdateRewardTexts();
        UpdateBonusGame(false);
    }
    static void Step(int updates = 1) {
        for (int i = 0; i < updates; ++i) Update();
    }
    // One update with the mouse clicked at (x, y).
    static void ClickAt(int x, int y) {
        OverrideMouse(x, y);
        SnapshotMouseHits[1] = 1;
        Update();
        SnapshotMouseHits[1] = 0;
    }
    static void Click(int column, int row) {
        ClickAt(BonusGridLeft() + column * BonusTilePitch + 20, BonusGridTop() + row * BonusTilePitch + 20);
    }
    template <class Done>
    static bool StepUntil(Done done, int limit = 2000) {
        for (int i = 0; i < limit; ++i) {
            if (done()) return true;
            Update();
        }
        return done();
    }
    static bool AllShown() {
        for (auto& column : BonusGrid)
            for (auto& b : column)
                if (b && b->Treasure && b->Frame < 24) return false;
        return true;
    }
    // Through the show: every fairy turned, the hide click, the turn back.
    void ShowAndHide() {
        ASSERT_TRUE(StepUntil(AllShown));
        ClickAt(700, 590); // anywhere
        ASSERT_EQ(HideClicked, 1);
        ASSERT_TRUE(StepUntil([] { return BonusPhase == BonusFind; }));
    }
    int Played(const Text& path) const {
        return static_cast<int>(std::count(sounds.begin(), sounds.end(), path));
    }
};

TEST_F(BonusGame, TheFirstGameShowsItsCornerFairiesBottomRowFirstAfterTheStartDelay) {
    Start(0);
    ASSERT_EQ(FairyCount, 4);
    EXPECT_EQ(StartDelay, 175);
    EXPECT_EQ(BonusGrid[0][3]->FlipDelay, 50);
    EXPECT_EQ(BonusGrid[4][3]->FlipDelay, 80);
    EXPECT_EQ(BonusGrid[0][0]->FlipDelay, 110);
    EXPECT_EQ(BonusGrid[4][0]->FlipDelay, 140);
    EXPECT_FALSE(BonusGrid[2][1]->Treasure);

    Step(175);
    EXPECT_EQ(BonusGrid[0][3]->FlipDelay, 50); // nothing moved during the delay
    EXPECT_EQ(BonusTimer, 0);
    Step(39);
    EXPECT_EQ(Played("media\\sound\\bonusreveal.ogg"), 1); // just before the first turn
    Step(11);
    EXPECT_EQ(BonusGrid[0][3]->FlipDelay, 0);
    EXPECT_EQ(BonusGrid[0][3]->Frame, 0);
    Step(1);
    EXPECT_GT(BonusGrid[0][3]->Frame, 0);
    EXPECT_EQ(BonusGrid[4][3]->Frame, 0);
    EXPECT_EQ(BonusGrid[4][3]->FlipDelay, 29);
    // The display fades in over 75 updates from the end of the delay.
    EXPECT_EQ(BonusStarted, 0);
    EXPECT_LT(BonusFadeAlpha(), 1);
    Step(25);
    EXPECT_EQ(BonusStarted, 1);
    EXPECT_FLOAT_EQ(BonusFadeAlpha(), 1);
}

TEST_F(BonusGame, ClicksBeforeEveryFairyShowsAndOnTurningTilesDoNothing) {
    Start(0);
    Step(175 + 80);
    Click(0, 3); // shown
    Click(1, 1); // a plain tile, during the show
    EXPECT_EQ(HideClicked, 0);
    EXPECT_EQ(BonusPhase, BonusShow);
    EXPECT_EQ(BonusPerfect, 1);
    EXPECT_TRUE(BonusGrid[1][1]);
    ShowAndHide();
    EXPECT_EQ(Played("media\\sound\\bonusflip.ogg"), 1);
    for (auto& column : BonusGrid)
        for (auto& b : column) EXPECT_EQ(b->Frame, 0);

    Click(0, 3);
    ASSERT_EQ(FairiesFound, 1);
    const int score = GameScore;
    Click(0, 3); // already turning
    EXPECT_EQ(FairiesFound, 1);
    EXPECT_EQ(GameScore, score);
}

TEST_F(BonusGame, FindsScoreOneThousandMoreEachAndAWrongClickStartsTheStepOver) {
    Start(1); // 11100 / 11100 / 11000 / 11000
    ShowAndHide();
    const int before = GameScore;
    Click(0, 0);
    EXPECT_EQ(GameScore - before, 1000);
    Click(1, 0);
    EXPECT_EQ(GameScore - before, 3000);
    Click(2, 0);
    EXPECT_EQ(GameScore - before, 6000);
    EXPECT_EQ(FairiesFound, 3);

    Click(4, 3); // no fairy there
    EXPECT_EQ(Played("media\\sound\\mistake.ogg"), 1);
    EXPECT_EQ(BonusPerfect, 0);
    EXPECT_FALSE(BonusGrid[4][3]); // crumbled at once
    EXPECT_EQ(BonusStep, 1000);
    Click(0, 1);
    EXPECT_EQ(GameScore - before, 7000);
}

TEST_F(BonusGame, APerfectGameEndsSeventyFiveUpdatesAfterTheClearWithThreeGemsAndPerfect) {
    Start(0);
    ShowAndHide();
    for (auto [column, row] : {std::pair{0, 0}, {4, 0}, {0, 3}, {4, 3}}) Click(column, row);
    ASSERT_EQ(FairiesFound, 4);
    // The found tiles turn, crumble and free their fairies; then the rest
    // of the grid crumbles one tile an update.
    ASSERT_TRUE(StepUntil([] { return BonusPhase == BonusClear; }));
    EXPECT_EQ(ScorePopups.AllParticles.Count(), 0);
    ASSERT_TRUE(StepUntil([] { return BonusPhase == BonusFinish; }));
    for (auto& column : BonusGrid)
        for (auto& b : column) EXPECT_FALSE(b);
    EXPECT_EQ(BonusTimer, 75);
    Step(74);
    EXPECT_EQ(BonusGameOver(), 0);
    EXPECT_EQ(BonusTimer, 1);
    EXPECT_EQ(GemsCollected, 0);
    Step(1);
    EXPECT_EQ(BonusGameOver(), 1);
    EXPECT_EQ(GemsCollected, 3);
    EXPECT_EQ(Played("media\\jingles\\bonusgameperfect.ogg"), 1);
    EXPECT_EQ(Played("media\\sound\\gemreleased.ogg"), 1);
    ASSERT_GT(RewardTextCount(), 0);
    Step(10);
    EXPECT_EQ(GemsCollected, 3); // given once
    EXPECT_EQ(Played("media\\jingles\\bonusgameperfect.ogg"), 1);
}

TEST_F(BonusGame, AWrongClickLosesTheGemsEvenWhenEveryFairyIsFound) {
    Start(0);
    ShowAndHide();
    Click(2, 2);
    for (auto [column, row] : {std::pair{0, 0}, {4, 0}, {0, 3}, {4, 3}}) Click(column, row);
    ASSERT_TRUE(StepUntil([] { return BonusGameOver() == 1; }));
    EXPECT_EQ(GemsCollected, 0);
    EXPECT_EQ(Played("media\\jingles\\bonusgamenotperfect.ogg"), 1);
    EXPECT_EQ(Played("media\\jingles\\bonusgameperfect.ogg"), 0);
}

TEST_F(BonusGame, ABonusNumberPastThePatternsPlaysAnEmptyGridAndEarnsNothing) {
    Start(150);
    EXPECT_EQ(FairyCount, 0);
    ASSERT_TRUE(StepUntil([] { return BonusGameOver() == 1; }));
    EXPECT_EQ(GemsCollected, 0);
    EXPECT_EQ(Played("media\\jingles\\bonusgamenotperfect.ogg"), 1);
}

TEST(BonusPatterns, TheFirstHidesTheCornersAndTheOthersTenFairiesSaveTwo) {
    EXPECT_EQ(BonusPatternFairies(0), 4);
    for (auto [c, r] : {std::pair{0, 0}, {4, 0}, {0, 3}, {4, 3}}) EXPECT_EQ(BonusPatternFlag(0, c, r), 1);
    for (int k = 1; k < BonusPatternCount; ++k) {
        const int expected = k == 54 ? 9 : k == 94 ? 11 : 10;
        EXPECT_EQ(BonusPatternFairies(k), expected) << "pattern " << k;
        EXPECT_EQ(Text(BonusPatterns[k]).size(), 23u) << "pattern " << k;
    }
    EXPECT_STREQ(BonusPatterns[1], "11100/11100/11000/11000");
    EXPECT_STREQ(BonusPatterns[2], "10001/10101/10001/10101");
    EXPECT_STREQ(BonusPatterns[4], "01110/10001/10001/01110");
    EXPECT_EQ(BonusPatternFairies(100), 0);
    EXPECT_EQ(BonusPatternFairies(-1), 0);
    EXPECT_EQ(BonusPatternFlag(1, 5, 0), 0);
}

TEST_F(BonusGame, TheFirstGameTeachesItselfOnceAndItsLessonFollowsThePlay) {
    SetHints(1);
    Start(0);
    ASSERT_TRUE(StepUntil([] { return BonusStarted == 1; }));
    ASSERT_EQ(TutorialCount(), 1); // asked on every start-up update, made once
    auto lesson = Cast<TutorialObjectBonus>(Tutorials.front());
    ASSERT_TRUE(lesson);
    EXPECT_EQ(lesson->y(), 15);
    EXPECT_EQ(TutorialClickDisallowed(nullptr), 0);
    UpdateTutorial();
    EXPECT_FLOAT_EQ(lesson->Heading->OverallAlpha, BonusFadeAlpha());
    const TextArray first = lesson->Backing->DrawnTextLines;

    ShowAndHide();
    EXPECT_EQ(lesson->Backing->DrawnTextNewLines, lesson->TextBoxText[1]);
    EXPECT_EQ(lesson->Backing->DrawnTextLines, first);
    for (auto [column, row] : {std::pair{0, 0}, {4, 0}, {0, 3}, {4, 3}}) Click(column, row);
    ASSERT_TRUE(StepUntil([] { return BonusPhase == BonusClear; }));
    EXPECT_EQ(lesson->Backing->DrawnTextNewLines, lesson->TextBoxText[2]);
    ASSERT_TRUE(StepUntil([] { return BonusGameOver() == 1; }));
    EXPECT_EQ(TutorialCount(), 0);
}

TEST_F(BonusGame, LaterGamesAndGamesWithHintsOffHaveNoLesson) {
    SetHints(0);
    Start(0);
    ASSERT_TRUE(StepUntil([] { return BonusStarted == 1; }));
    EXPECT_EQ(TutorialCount(), 0);
    SetHints(1);
    Start(1);
    ASSERT_TRUE(StepUntil([] { return BonusStarted == 1; }));
    EXPECT_EQ(TutorialCount(), 0);
}

} // namespace
} // namespace wispwood
