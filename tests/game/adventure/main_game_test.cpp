// The game scene end to end: the real program started with "run0" in
// process, played by a scripted player through real mouse input.
#include "engine/input/key_codes.h"
#include "framework/gui/gui_are_you_sure.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_gadget.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/comic_page.h"
#include "game/adventure/high_score_menu.h"
#include "game/adventure/main_game.h"
#include "game/adventure/quest_map.h"
#include "game/app/loading_scene.h"
#include "game/app/main_scene.h"
#include "game/board/board.h"
#include "game/board/board_sound.h"
#include "game/board/game_score.h"
#include "game/board/level_result.h"
#include "game/board/level_set.h"
#include "game/board/match_availability.h"
#include "game/board/piece.h"
#include "game/board/time_limit.h"
#include "game/board/tutorials.h"
#include "game/level/level_end.h"
#include "game/level/tally.h"
#include "game/services/profiles.h"
#include "tests/support/game_harness.h"
#include "tests/support/scene_fixture.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class GameScene : public ::testing::Test {
  protected:
    test::GameHarness game;

    // Through the logos and the loading screen into the location's level.
    void StartLocation(const Text& word) {
        ASSERT_TRUE(game.Start({word}));
        ASSERT_TRUE(game.RunUntil([] { return test::OnTop<MainGame>(); }, 2000));
        ASSERT_TRUE(game.RunUntil([] { return !TransitionInProgress(0); }, 400));
    }

    void ClickGadget(const Ref<guiGadget>& g) {
        ASSERT_TRUE(g);
        game.Click(static_cast<int>(g->x + g->GetWidtH() / 2), static_cast<int>(g->y + g->GetHeight() / 2));
    }

    void ClickPiece(const Ref<Piece>& p) {
        game.Click(BoardLeft() + p->GetX() + CellWidth / 2, BoardTop() + p->GetY() + CellHeight / 2);
    }

    // One match a player could make now: click one group, then its partner.
    bool PlayOneMatch() {
        GroupPair pair = FindMatchingPair(-1, 1, 0);
        if (pair.size() != 2 || pair[0].empty() || pair[1].empty()) return false;
        ClickPiece(pair[0][0]);
        game.Frames(20);
        ClickPiece(pair[1][0]);
        game.Frames(60);
        return true;
    }
};

TEST_F(GameScene, AScriptedPlayerWinsLocationZeroAndTheTallyHandsOver) {
    StartLocation("run0");
    Ref<MainGame> scene = Cast<MainGame>(TopScene());
    ASSERT_EQ(CurrentLevel->n, 0);
    game.SaveFrame("game-run0-start");
    int matches = 0;
    for (int i = 0; i < 400 && !CurrentTally; ++i) {
        if (PlayOneMatch()) {
            ++matches;
        } else {
            game.Frames(50); // pieces falling, rows flipping in, the stuck recovery
        }
        if (matches == 3) game.SaveFrame("game-run0-playing");
    }
    ASSERT_TRUE(CurrentTally) << "no tally after " << matches << " matches";
    EXPECT_GE(matches, 5); // a quota of 60, two per matched piece, combos on top
    ASSERT_TRUE(game.RunUntil([] { return CurrentTally->OK && !CurrentTally->OK->Removed; }, 2000));
    game.Frames(600); // the lines tick up and the total flies into the score
    game.SaveFrame("game-run0-tally");
    EXPECT_EQ(LastMedal, 0); // the first location always gives bronze
    int scoreBefore = GameScore;
    EXPECT_GT(scoreBefore, 0);

    game.Click(static_cast<int>(CurrentTally->OK->x + CurrentTally->OK->GetWidtH() / 2),
               static_cast<int>(CurrentTally->OK->y + CurrentTally->OK->GetHeight() / 2));
    ASSERT_TRUE(game.RunUntil([&] { return TopScene() != scene; }, 1000));
    // The profile keeps the score, and the story begins: the first
    // location shows the first comic, which leads on to the quest map.
    EXPECT_EQ(CurrentProfile->Score, GameScore);
    EXPECT_GE(GameScore, scoreBefore);
    Ref<ComicPage> comic = Cast<ComicPage>(TopScene());
    ASSERT_TRUE(comic);
    EXPECT_EQ(comic->ComicNumber, 1);
    EXPECT_EQ(comic->GoBackToQuestMap, 1);
    ASSERT_TRUE(game.RunUntil([] { return !TransitionInProgress(0); }, 400));
    game.SaveFrame("game-run0-comic");
    // Escape leaves the comic for the quest map.
    game.PressKey(KeyEscape);
    ASSERT_TRUE(game.RunUntil([] { return test::OnTop<QuestMap>(); }, 100));
}

TEST_F(GameScene, RunningOutOfTimeOnTheLastLifeEndsTheGame) {
    StartLocation("run3");
    ClearTutorials(); // the time lesson holds the clock until it is read
    Ref<MainGame> scene = Cast<MainGame>(TopScene());
    ASSERT_TRUE(IsTimed());
    CurrentProfile->Lives = 1;
    CurrentProfile->Score = 500;
    TimeLeft = 3;
    ASSERT_TRUE(game.RunUntil([] { return GameOverSequence != nullptr; }, 100));
    EXPECT_EQ(CurrentProfile->Lives, 0);
    game.Frames(200);
    game.SaveFrame("game-over");
    // After 400 updates of the game-over text the game scene hands over to
    // the high scores, offering the game's score.
    ASSERT_TRUE(game.RunUntil([&] { return TopScene() != scene; }, 600));
    EXPECT_EQ(CurrentProfile->Score, 0);
    ASSERT_TRUE(test::OnTop<HighScoreMenu>());
    EXPECT_EQ(PendingEntry, 0); // taken by the screen
    EXPECT_EQ(PendingScore, GameScore);
    EXPECT_EQ(PendingName, CurrentProfile->Name);
}

// The tally stands over the board: nothing on it moves, and a restored
// piece waits to fade in until the tally has gone.
TEST_F(GameScene, TheTallyHoldsTheBoardAndARestoredPieceWaitsToFadeIn) {
    StartLocation("run0");
    ClearTutorials();
    Ref<Piece> piece;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (!piece) piece = p;
    });
    ASSERT_TRUE(piece);
    StartTally();
    CurrentTally->Ticks = 1; // its panel has started
    game.Frames(5);
    ASSERT_TRUE(TallyShowing());
    piece->CreationShine = 60;
    game.Frames(20);
    EXPECT_EQ(piece->CreationShine, 60);
    EndTally();
    game.Frames(20);
    EXPECT_LT(piece->CreationShine, 60);
}

TEST_F(GameScene, ALocationTheGameDoesNotHaveIsRefused) {
    ASSERT_TRUE(game.Start({"run150"}));
    ASSERT_TRUE(game.RunUntil([] { return test::OnTop<MainScene>(); }, 2000));
    EXPECT_EQ(CurrentGame, nullptr);
}

TEST_F(GameScene, ThePanelButtonPausesBackResumesAndAConfirmedExitLeavesTheGame) {
    StartLocation("run0");
    Ref<MainGame> scene = Cast<MainGame>(TopScene());
    ASSERT_TRUE(scene);
    std::vector<Text> sounds;
    RecordBoardSounds(&sounds);
    auto menuOpen = [&] { return scene->MenuContainer && !scene->MenuContainer->Destroying; };
    // The score counting up to points just won tells that the game runs.
    GameScore = DisplayedScore + 5000;
    int start = DisplayedScore;
    game.Frames(2);
    ASSERT_GT(DisplayedScore, start);

    ClickGadget(scene->MenuButton);
    game.Frames(2);
    ASSERT_TRUE(menuOpen());
    int held = DisplayedScore;
    game.Frames(20);
    EXPECT_EQ(DisplayedScore, held);

    ClickGadget(scene->BackButton);
    game.Frames(2);
    EXPECT_FALSE(menuOpen());
    game.Frames(5);
    EXPECT_GT(DisplayedScore, held);

    game.PressKey(KeyEscape);
    game.Frames(30);
    ASSERT_TRUE(menuOpen());
    ClickGadget(scene->ExitButton);
    game.Frames(60);
    ASSERT_TRUE(scene->ExitAreYouSure && scene->ExitAreYouSure->Alive());
    ClickGadget(scene->ExitAreYouSure->yes);
    ASSERT_TRUE(game.RunUntil([&] { return TopScene() != scene; }, 200));
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "media\\jingles\\exitplayinggame.ogg"), 1);
    EXPECT_TRUE(test::OnTop<MainScene>() || test::OnTop<Loading>());
}

// Once the level is won (or is being tried again) the pieces are leaving:
// a click on one selects nothing and makes no sound.
TEST_F(GameScene, ClicksDuringTheSuccessAndTryAgainSequencesAreIgnored) {
    StartLocation("run0");
    ClearTutorials();
    std::vector<Text> sounds;
    RecordBoardSounds(&sounds);
    GroupPair pair = FindMatchingPair(-1, 1, 0);
    ASSERT_EQ(pair.size(), 2u);
    ASSERT_FALSE(pair[0].empty());
    Ref<Piece> piece = pair[0][0];
    for (int tryAgain : {0, 1}) {
        SuccessSequence = std::make_shared<GameSuccess>();
        SuccessSequence->TryAgain = tryAgain;
        ClickPiece(piece);
        game.Frames(2);
        EXPECT_EQ(CountSelected(), 0) << "try again " << tryAgain;
        EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "media\\sound\\tileclick.ogg"), 0);
        SuccessSequence = nullptr;
        game.Frames(2);
    }
    // The same click without a sequence selects the group.
    ClickPiece(piece);
    game.Frames(2);
    EXPECT_GT(CountSelected(), 0);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "media\\sound\\tileclick.ogg"), 1);
}

} // namespace
} // namespace wispwood
