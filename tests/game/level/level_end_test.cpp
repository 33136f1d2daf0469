#include "game/board/board.h"
#include "game/board/board_sound.h"
#include "game/board/confetti.h"
#include "game/board/level_result.h"
#include "game/board/level_set.h"
#include "game/board/piece.h"
#include "game/board/quota.h"
#include "game/board/scroll.h"
#include "game/board/time_limit.h"
#include "game/level/level_end.h"
#include "game/level/level_start.h"
#include "game/level/tally.h"
#include "game/services/profiles.h"
#include "tests/support/ascii_board.h"
#include <algorithm>

namespace wispwood {
namespace {

class LevelEnd : public test::BoardTest {
  protected:
    std::vector<Text> sounds;
    Ref<PlayerProfile> profile;

    void SetUp() override {
        test::BoardTest::SetUp();
        RecordBoardSounds(&sounds);
        profile = PlayerProfile::Create();
        SetCurrentProfile(profile);
    }
    // A location of one timed level (90 s), optionally with its bonus
    // level, started.
    void StartSet(bool bonus) {
        CurrentLevelSet = New<LevelSet>();
        auto level = New<Level>();
        level->n = 7;
        level->PieceWidth = level->PieceHeight = 48;
        level->Time = 90;
        level->Colors = {0, 1, 2};
        CurrentLevelSet->Levels.push_back(level);
        if (bonus) CurrentLevelSet->Levels.push_back(New<BonusLevel>());
        ASSERT_EQ(StartLevel(1, 0), 0);
    }
    // The two level-end steps as the board runs them.
    void Step() {
        UpdateGameOver();
        UpdateSuccess();
    }
    int Played(const Text& path) const {
        return static_cast<int>(std::count(sounds.begin(), sounds.end(), path));
    }
    static void EmptyBoard() {
        for (int x = 0; x < Board.Width(); ++x)
            for (int y = 0; y < Board.Height(); ++y) Board(x, y) = nullptr;
    }
    static void CompleteQuota() {
        QuotaCollected = CurrentLevel->Quota();
        CurrentLevel->DoneQuotaBottleEffect = 1;
    }
};

TEST_F(LevelEnd, TheConfettiFiresAt350And380AndTheLevelWaitsForAnEmptyBoard) {
    StartSet(false);
    ASSERT_GT(CountPieces(), 0);
    CompleteQuota();
    for (int i = 0; i < 349; ++i) Step();
    EXPECT_EQ(ConfettiLayerA.AllParticles.Count(), 0);
    Step();
    EXPECT_EQ(ConfettiLayerA.AllParticles.Count(), 150);
    for (int i = 0; i < 30; ++i) Step();
    EXPECT_EQ(ConfettiLayerA.AllParticles.Count(), 300);
    EXPECT_EQ(Played("media\\sound\\confettishoot.ogg"), 2);
    for (int i = 0; i < 100; ++i) Step();
    EXPECT_FALSE(SuccessSequence); // pieces are still on the board

    EmptyBoard();
    Step();
    ASSERT_TRUE(SuccessSequence);
    EXPECT_EQ(SuccessSequence->TryAgain, 0);
    Step();
    EXPECT_TRUE(SuccessSequence);
    Step(); // two updates after the board emptied the level is over
    EXPECT_FALSE(SuccessSequence);
    // The set is finished: the medal is decided and the tally starts.
    EXPECT_TRUE(CurrentTally);
    EXPECT_EQ(ResultRecorded, 1);
    EXPECT_EQ(LastPlayedSpot, 7);
    EXPECT_EQ(LevelEndTicks, 1);
    for (int i = 0; i < 100; ++i) Step();
    EXPECT_FALSE(SuccessSequence); // a finished level is not won again
}

TEST_F(LevelEnd, AWonLevelWithABonusLevelAfterItGoesOnWithoutATally) {
    StartSet(true);
    CompleteQuota();
    CurrentLevel->ConfettiEffect = 400;
    EmptyBoard();
    Step();
    Step();
    Step();
    EXPECT_FALSE(SuccessSequence);
    EXPECT_EQ(CurrentLevelIndex, 1);
    EXPECT_FALSE(CurrentTally);
    EXPECT_EQ(ResultRecorded, 0);
    // The bonus level is not won by the quota but by its game.
    for (int i = 0; i < 10; ++i) Step();
    EXPECT_FALSE(SuccessSequence);
    StartSuccessSequence();
    EXPECT_TRUE(SuccessSequence);
}

TEST_F(LevelEnd, RunningOutOfTimeWithLivesLeftRetriesTheLevelAfterAtLeast401Updates) {
    profile->Lives = 2;
    StartSet(false);
    QuotaCollected = 60;
    const float scrollBefore = ScrollOffset;
    TimeLeft = 0;
    Step(); // the sequence starts and takes its first step at once
    ASSERT_TRUE(TryAgainActive());
    EXPECT_EQ(profile->Lives, 1);
    int updates = 1;
    while (SuccessSequence && updates < 1000) {
        if (updates == 200) {
            EXPECT_FLOAT_EQ(TryAgainProgress(), 0.5f);
            EXPECT_LT(ScrollOffset, scrollBefore - 48); // the board slid away
            EXPECT_GT(QuotaCollected, 0);
            EXPECT_LT(QuotaCollected, 60); // the bottle drains
        }
        Step();
        ++updates;
    }
    EXPECT_GE(updates, 401);
    EXPECT_LE(updates, 402);
    EXPECT_EQ(QuotaCollected, 0);
    EXPECT_EQ(TryAgainActive(), 0);
    EXPECT_EQ(TryAgainProgress(), 0.0f);
    // The same level again, on an empty board, slowly, with its full time.
    EXPECT_EQ(CurrentLevelIndex, 0);
    EXPECT_EQ(CountPieces(), 0);
    EXPECT_FLOAT_EQ(CurrentSpeed, 1.25f);
    EXPECT_EQ(TimeLeft, LevelTime);
    EXPECT_FALSE(CurrentTally);
    EXPECT_FALSE(GameOverSequence);
}

TEST_F(LevelEnd, TheLastLifeEndsTheGameAfter400Updates) {
    profile->Lives = 1;
    StartSet(false);
    TimeLeft = 0;
    Step();
    ASSERT_TRUE(GameOverSequence);
    EXPECT_FALSE(SuccessSequence);
    EXPECT_EQ(profile->Lives, 0);
    for (int i = 0; i < 399; ++i) Step();
    EXPECT_EQ(LevelLost, 0);
    Step();
    EXPECT_EQ(LevelLost, 0);
    Step();
    EXPECT_EQ(LevelLost, 1);
    EXPECT_EQ(GameOverSequence->Ticks, 400);
    EXPECT_EQ(Played("media\\jingles\\gameover.ogg"), 1);
    // No success while the game is being lost, even with the quota done.
    CompleteQuota();
    CurrentLevel->ConfettiEffect = 400;
    EmptyBoard();
    Step();
    EXPECT_FALSE(SuccessSequence);
}

TEST_F(LevelEnd, AnUntimedLevelCannotBeLost) {
    profile->Lives = 1;
    StartSet(false);
    LevelTime = TimeLeft = 0;
    for (int i = 0; i < 10; ++i) Step();
    EXPECT_FALSE(GameOverSequence);
    EXPECT_FALSE(SuccessSequence);
    LevelTime = 2; // two updates or less count as untimed too
    for (int i = 0; i < 10; ++i) Step();
    EXPECT_FALSE(GameOverSequence);
}

} // namespace
} // namespace wispwood
