// The game scene's pause rules, with the scene made and updated directly on
// a test level (no media): which input opens and closes the pause menu, what
// holds the game, and which steps stop under the menu and under the tally.
#include "engine/input/event.h"
#include "engine/input/key_codes.h"
#include "framework/gui/gui_are_you_sure.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_gadget.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/main_game.h"
#include "game/app/world_reset.h"
#include "game/board/board.h"
#include "game/board/game_score.h"
#include "game/board/level_set.h"
#include "game/board/piece.h"
#include "game/board/reward_text.h"
#include "game/board/time_limit.h"
#include "game/level/level_clock.h"
#include "game/level/tally.h"
#include "game/services/options_dialog.h"
#include "game/services/settings.h"
#include "tests/support/headless_display.h"
#include "tests/support/input_events.h"
#include "tests/support/row_world.h"
#include "tests/support/scene_fixture.h"

namespace wispwood {
namespace {

constexpr int kP = 80;

class PausedGame : public ::testing::Test {
  protected:
    Ref<MainGame> game;

    void SetUp() override {
        ResetWorld();
        ASSERT_TRUE(test::OpenHeadlessDisplay());
        Level& level = test::SelectTestLevel(10, 5);
        level.n = 3;
        level.Time = 100;
        PushSceneInstantly(MakeMainGame());
        game = CurrentGame;
        ASSERT_TRUE(game);
        ASSERT_EQ(LevelTime, 10000);
        // The new rows have shone in; the clock runs from here.
        for (int x = 0; x < BoardWidth; ++x)
            for (int y = 0; y < BoardHeight; ++y)
                if (Board(x, y)) Board(x, y)->CreationShine = 0;
    }
    void TearDown() override {
        test::EmitInput(EventAppResume, 0);
        game = nullptr;
        ResetWorld();
    }

    static void Press(int key) {
        test::EmitInput(EventKeyDown, key);
        test::EmitInput(EventKeyUp, key);
    }
    void Step(int updates = 1) {
        for (int i = 0; i < updates; ++i) {
            TakeInputSnapshot();
            game->Update();
        }
    }
    bool MenuOpen() const {
        return game->MenuContainer && !game->MenuContainer->Destroying && !game->MenuContainer->Removed;
    }
    // Lets a closing menu fade out so that it can open again.
    void CloseMenu() {
        Press(KeyEscape);
        Step();
        ASSERT_FALSE(MenuOpen());
        Step(60);
        ASSERT_FALSE(game->Container->Child && !game->Container->Child->Removed);
    }
    static void ShowTally() {
        StartTally();
        CurrentTally->Ticks = 1;
        ASSERT_EQ(TallyShowing(), 1);
    }
};

TEST_F(PausedGame, EscapeOpensTheMenuAndOnlyALaterEscapeClosesIt) {
    Step();
    EXPECT_FALSE(MenuOpen());
    Press(KeyEscape);
    Step();
    ASSERT_TRUE(MenuOpen()); // opened, and not closed again by the same press
    EXPECT_EQ(game->Paused(0), 1);
    Step(5);
    EXPECT_TRUE(MenuOpen());
    Press(KeyEscape);
    Step();
    EXPECT_FALSE(MenuOpen());
    EXPECT_EQ(game->Paused(0), 0);
}

TEST_F(PausedGame, PAndALostFocusOpenTheMenu) {
    Press(kP);
    Step();
    EXPECT_TRUE(MenuOpen());
    Press(kP); // a second P leaves the open menu as it is
    Step();
    EXPECT_TRUE(MenuOpen());
    CloseMenu();

    test::EmitInput(EventAppSuspend, 0);
    Step();
    EXPECT_TRUE(MenuOpen());
    test::EmitInput(EventAppResume, 0);
    Step(5);
    EXPECT_TRUE(MenuOpen()); // coming back does not close it
}

TEST_F(PausedGame, EscapeAnswersTheExitConfirmationAndLeavesTheMenuOpen) {
    Press(KeyEscape);
    Step();
    ASSERT_TRUE(MenuOpen());
    game->ExitAreYouSure = game->MenuContainer->AreYouSure(1);
    ASSERT_TRUE(game->ExitAreYouSure);
    EXPECT_EQ(game->Paused(0), 1);
    Step(30);
    Press(KeyEscape);
    Step();
    EXPECT_EQ(game->ExitAreYouSure->Value(), 0); // "no": the game stays
    EXPECT_TRUE(MenuOpen());
    EXPECT_EQ(TopScene(), game);
}

TEST_F(PausedGame, OptionsFromTheMenuHoldTheGameAndEscapeClosesOnlyThem) {
    Press(KeyEscape);
    Step();
    ASSERT_TRUE(MenuOpen());
    OpenOptions(*game->MenuContainer);
    ASSERT_EQ(OptionsOpen(), 1);
    EXPECT_EQ(game->Paused(0), 1);
    Step(30);
    Press(KeyEscape);
    Step();
    EXPECT_EQ(OptionsOpen(), 0);
    EXPECT_TRUE(MenuOpen()); // the same Escape does not close the menu too
    Step(60);
    Press(KeyEscape);
    Step();
    EXPECT_FALSE(MenuOpen());
    EXPECT_EQ(game->Paused(0), 0);
}

TEST_F(PausedGame, UnderTheTallyNoInputOpensTheMenuAndItsButtonIsOff) {
    ShowTally();
    game->GamePaused = 1;
    Press(kP);
    Press(KeyEscape);
    test::EmitInput(EventAppSuspend, 0);
    Step();
    EXPECT_FALSE(game->MenuContainer);
    EXPECT_EQ(game->MenuButton->active, 0);
    EXPECT_EQ(game->GamePaused, 0); // the explicit pause gives way to the tally
    test::EmitInput(EventAppResume, 0);
    game->createPauseMenu();
    EXPECT_FALSE(game->MenuContainer);
}

TEST_F(PausedGame, EachHoldPausesTheGameAndOnlyAShowingTallyCountsForTheBoard) {
    EXPECT_EQ(game->Paused(0), 0);
    EXPECT_EQ(game->Paused(1), 0);
    game->GetReady = 75;
    EXPECT_EQ(game->Paused(0), 1);
    game->GetReady = 74; // "GO!": the board runs again
    EXPECT_EQ(game->Paused(1), 0);
    game->GetReady = 0;
    game->GamePaused = 1;
    EXPECT_EQ(game->Paused(0), 1);
    game->GamePaused = 0;

    StartTally(); // waiting to slide in
    EXPECT_EQ(game->Paused(1), 0);
    CurrentTally->Ticks = 1;
    EXPECT_EQ(game->Paused(1), 1);
    EXPECT_EQ(game->Paused(0), 0);
}

TEST_F(PausedGame, TheOverlayFadesInOverThirtyTwoUpdatesAndOut) {
    game->GamePaused = 1;
    Step(40);
    EXPECT_EQ(game->PausedProgress, 32);
    game->GamePaused = 0;
    Step(10);
    EXPECT_EQ(game->PausedProgress, 22);
    Step(40);
    EXPECT_EQ(game->PausedProgress, 0);
}

TEST_F(PausedGame, TheMenuStopsTheBoardAndTheEffectsTheTallyOnlyTheBoard) {
    CreateRewardText("WELL DONE", "", 0, 0, 0);
    Ref<RewardText> text = RewardTextQueue.First()->Instances.First();
    GameScore = DisplayedScore + 50;
    struct Probe {
        int time, textTicks, shown;
    };
    auto probe = [&] { return Probe{TimeLeft, text->Ticks, DisplayedScore}; };

    Step(2);
    Probe running = probe();
    EXPECT_LT(running.time, LevelTime);
    EXPECT_GT(running.textTicks, 0);

    Press(KeyEscape);
    Step(); // the update that opens the menu already holds everything
    Step(10);
    Probe paused = probe();
    EXPECT_EQ(paused.time, running.time);
    EXPECT_EQ(paused.textTicks, running.textTicks);
    EXPECT_EQ(paused.shown, running.shown);
    CloseMenu();

    ShowTally();
    GameScore = DisplayedScore + 50;
    Probe before = probe();
    Step(10);
    Probe tally = probe();
    EXPECT_EQ(tally.time, before.time);           // the board and the clock stand
    EXPECT_GT(tally.textTicks, before.textTicks); // the rewards play on
    EXPECT_GT(tally.shown, before.shown);         // and the score counts up
}

TEST_F(PausedGame, ARevealedGameIsAFreshSceneThatStartsTheLevelAgain) {
    Press(KeyEscape);
    Step();
    ASSERT_TRUE(MenuOpen());
    TimeLeft = 5;
    auto over = New<test::ProbeScene>();
    PushSceneInstantly(over);
    PopScene(over);

    Ref<MainGame> revealed = Cast<MainGame>(TopScene());
    ASSERT_TRUE(revealed);
    EXPECT_NE(revealed, game);
    EXPECT_EQ(CurrentGame, revealed);
    EXPECT_FALSE(revealed->MenuContainer); // no menu carried over
    EXPECT_TRUE(revealed->MenuButton);     // its Init ran
    EXPECT_EQ(TimeLeft, LevelTime);        // and restarted the level
    EXPECT_EQ(revealed->Paused(1), 0);
}

} // namespace
} // namespace wispwood
