// Relaxed play through the real game: a player who chose it plays the clock
// lesson's location without its clock, for longer than its time limit, and
// wins it by its quota without a medal; the tally says so, and the game's
// score goes to the relaxed table, never to the timed one.
#include "engine/draw/pixmap.h"
#include "framework/highscores/high_score_table.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/high_score_menu.h"
#include "game/adventure/main_game.h"
#include "game/adventure/quest_map.h"
#include "game/adventure/score_tables.h"
#include "game/board/game_score.h"
#include "game/board/level_result.h"
#include "game/board/level_set.h"
#include "game/board/quota.h"
#include "game/board/time_limit.h"
#include "game/board/tutorials.h"
#include "game/level/level_clock.h"
#include "game/level/level_end.h"
#include "game/level/level_start.h"
#include "game/level/tally.h"
#include "game/services/profiles.h"
#include "game/services/user_data.h"
#include "tests/support/game_harness.h"
#include "tests/support/scene_fixture.h"
#include "tests/support/scripted_player.h"
#include <functional>
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class RelaxedPlay : public ::testing::Test {
  protected:
    test::GameHarness game;

    // Ann, the current player, written to the profiles file the game reads.
    static void MakeAnn(const std::function<void(PlayerProfile&)>& set) {
        ASSERT_EQ(EnsureUserDataFolder(), 1);
        ASSERT_EQ(CreateProfile("Ann"), 1);
        SelectProfileByName("Ann");
        set(*CurrentProfile);
        SaveProfiles();
        ResetProfiles();
    }
    void StartLocation(const Text& word) {
        ASSERT_TRUE(game.Start({word}));
        // Through the logos and the loading screen ten updates a frame.
        ASSERT_TRUE(
            game.RunUntil([] { return test::OnTop<MainGame>() && !TransitionInProgress(0); }, 600, 100));
        ASSERT_TRUE(CurrentProfile);
        ASSERT_EQ(CurrentProfile->Name, "Ann");
    }
    void ClickGadget(const Ref<guiGadget>& g) {
        ASSERT_TRUE(g);
        game.Click(static_cast<int>(g->x + g->GetWidtH() / 2), static_cast<int>(g->y + g->GetHeight() / 2));
    }
};

// The frame drawn as it is, and drawn again as if the level had been timed.
int PixelsTheRelaxedTextChanges(test::GameHarness& game, int top, int bottom, int& elsewhere) {
    Ref<GameLoop> scene = TopScene();
    scene->Render();
    Ref<TPixmap> relaxed = game.Grab();
    RelaxedLevel = false;
    scene->Render();
    Ref<TPixmap> timed = game.Grab();
    RelaxedLevel = true;
    int inside = 0;
    elsewhere = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            if (relaxed->ReadPixel(x, y) != timed->ReadPixel(x, y))
                (y >= top && y < bottom ? inside : elsewhere) += 1;
    return inside;
}

TEST_F(RelaxedPlay, ALevelWithoutItsClockOutlastsItsTimeEndsByItsQuotaAndEarnsNoMedal) {
    // Ann won silver here before, and is further on in the quest.
    MakeAnn([](PlayerProfile& ann) {
        ann.Relaxed = true;
        ann.CurrentAdventure = 10;
        ann.LevelStates[3] = 1;
        ann.SilverMedals = 1;
    });
    StartLocation("run3");
    EXPECT_TRUE(RelaxedLevel);
    EXPECT_FALSE(IsTimed());
    EXPECT_TRUE(CurrentProfile->RelaxedGame);
    EXPECT_EQ(TutorialCount(), 0) << "no clock for the time lesson to point at";
    game.Frames(200);
    game.SaveFrame("relaxed-level");

    // The level again with a limit of five seconds, played four times as
    // long: nothing runs out.
    CurrentLevel->Time = 5;
    StartLevel(1, 0);
    EXPECT_FALSE(IsTimed());
    const int lives = CurrentProfile->Lives;
    Ref<GameLoop> scene = TopScene();
    for (int i = 0; i < 2000; ++i) scene->Update();
    EXPECT_FALSE(TimeIsUp());
    EXPECT_FALSE(GameOverSequence);
    EXPECT_FALSE(TryAgainActive());
    EXPECT_EQ(CurrentProfile->Lives, lives);

    // The quota still ends the level.
    QuotaCollected = CurrentLevel->Quota() - 1;
    ASSERT_TRUE(game.RunUntil([&] { return test::PlayOneMatch(game); }, 300));
    ASSERT_TRUE(game.RunUntil([] { return CurrentTally && CurrentTally->OK && !CurrentTally->OK->Removed; },
                              600, 50));
    EXPECT_EQ(LastMedal, 0);
    EXPECT_EQ(MedalKind(), 0);
    game.Frames(80, 50); // the lines and the total are in
    game.SaveFrame("relaxed-tally");
    // Under the heading the tally says no medal is won; nothing else of it
    // differs from a timed level's.
    int elsewhere = 0;
    EXPECT_GT(PixelsTheRelaxedTextChanges(game, 125, 170, elsewhere), 300);
    EXPECT_EQ(elsewhere, 0);

    ClickGadget(CurrentTally->OK);
    ASSERT_TRUE(game.RunUntil([] { return test::OnTop<QuestMap>() && !TransitionInProgress(0); }, 600, 50));
    game.Frames(70, 100); // the flights have landed
    const int score = CurrentProfile->Score;
    EXPECT_EQ(CurrentProfile->LevelStates[3], 1) << "a relaxed win takes no medal away, nor gives one";
    EXPECT_EQ(CurrentProfile->SilverMedals, 1);
    EXPECT_EQ(CurrentProfile->GoldMedals, 0);
    // The relaxed game's row is in its own table, the timed one never saw it.
    EXPECT_EQ(CurrentProfile->RelaxedScoreKept, score);
    EXPECT_EQ(TableOf(ScoreTable::Relaxed)->ScoreExists("Ann", score), 1);
    EXPECT_EQ(TableOf(ScoreTable::Timed)->ScoreExists("Ann", score), 0);
}

// Ann played relaxed, then went back to the clock and lost her last life:
// the game was a relaxed one, so its score replaces her relaxed row.
TEST_F(RelaxedPlay, ARelaxedGameLostOnTheClockScoresInTheRelaxedTable) {
    MakeAnn([](PlayerProfile& ann) {
        ann.RelaxedGame = true;
        ann.RelaxedScoreKept = 61000;
        ann.Score = 61000;
        ann.Lives = 1;
    });
    auto relaxedTable = THighScoreTable::Create(10, UserDataPath() + "relaxedscores.dat");
    relaxedTable->AddScore("Ann", 61000, "0,0,0");
    ASSERT_EQ(relaxedTable->Save(""), 1);
    StartLocation("run3");
    EXPECT_FALSE(RelaxedLevel);
    ASSERT_TRUE(IsTimed());
    ClearTutorials();
    ASSERT_TRUE(game.RunUntil([&] { return test::PlayOneMatch(game); }, 300));
    TimeLeft = 3;
    ASSERT_TRUE(
        game.RunUntil([] { return test::OnTop<HighScoreMenu>() && !TransitionInProgress(0); }, 200, 50));
    auto screen = Cast<HighScoreMenu>(TopScene());
    EXPECT_EQ(screen->Shown, ScoreTable::Relaxed);
    EXPECT_EQ(NewSlot, 1);
    EXPECT_FALSE(CurrentProfile->RelaxedGame) << "the next game starts afresh";
    EXPECT_EQ(CurrentProfile->RelaxedScoreKept, 0);
    game.Frames(30);
    ClickGadget(screen->OK);
    game.Frames(5);
    EXPECT_EQ(TableOf(ScoreTable::Relaxed)->ScoreExists("Ann", GameScore), 1);
    EXPECT_EQ(TableOf(ScoreTable::Relaxed)->ScoreExists("Ann", 61000), 0);
    EXPECT_EQ(TableOf(ScoreTable::Relaxed)->ScoreAtSlot(1), 0); // no second row of hers
    EXPECT_EQ(TableOf(ScoreTable::Timed)->ScoreExists("Ann", GameScore), 0);
}

} // namespace
} // namespace wispwood
