// The game played with the keyboard alone, and with a game controller: a
// new player passes the splash screens, names a profile with the arrows,
// wins the first location with its lesson and reaches the quest map; a pad
// is plugged in, used, pulled out mid-press and plugged in again.
#include "engine/input/key_codes.h"
#include "engine/input/virtual_pad.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_slider.h"
#include "framework/gui/gui_text_input.h"
#include "framework/navigation/nav_cursor.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/comic_page.h"
#include "game/adventure/main_game.h"
#include "game/adventure/quest_map.h"
#include "game/app/main_scene.h"
#include "game/board/game_score.h"
#include "game/board/level.h"
#include "game/board/level_set.h"
#include "game/board/match_availability.h"
#include "game/board/staged_lesson.h"
#include "game/board/tutorials.h"
#include "game/level/bonus_brick.h"
#include "game/level/bonus_game.h"
#include "game/level/level_start.h"
#include "game/level/tally.h"
#include "game/services/options_dialog.h"
#include "game/services/profiles.h"
#include "game/services/settings.h"
#include "tests/support/keyboard_player.h"
#include "tests/support/scene_fixture.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class KeyboardPlay : public ::testing::Test {
  protected:
    test::GameHarness game;
    test::KeyboardPlayer player{game};

    void Settle() {
        ASSERT_TRUE(game.RunUntil([] { return !TransitionInProgress(0); }, 400));
    }
    static Ref<MainScene> Menu() { return Cast<MainScene>(TopScene()); }

    // Any key skips a splash screen.
    void PassTheSplashScreens() {
        ASSERT_TRUE(game.Start({}));
        for (int i = 0; i < 40 && !test::OnTop<MainScene>(); ++i) {
            game.PressKey(KeySpace);
            game.Frames(25);
        }
        ASSERT_TRUE(game.RunUntil([] { return test::OnTop<MainScene>(); }, 2000));
        Settle();
    }

    // The menu's column is in place once its entrance has played.
    void WaitForTheMenu() {
        ASSERT_TRUE(game.RunUntil([] { return SlideClock > 500; }, 1500));
    }

    static test::TargetWanted Gadget(const Ref<guiGadget>& g) { return test::Is(g); }

    static GroupPair PairToPlay() {
        // A running lesson lets only its own groups be clicked.
        auto lesson = Tutorials.empty() ? nullptr : Cast<TutorialObjectBase>(Tutorials.front());
        if (lesson && lesson->Stage >= LessonGroupA && lesson->Stage <= LessonGroupB)
            return {lesson->GroupA, lesson->GroupB};
        return FindMatchingPair(-1, 1, 0);
    }

    void PlayToTallyWithKeys() {
        int matches = 0;
        for (int i = 0; i < 300 && !CurrentTally; ++i) {
            GroupPair pair = PairToPlay();
            if (pair.size() == 2 && !pair[0].empty() && !pair[1].empty() && player.Match(pair[0], pair[1])) {
                ++matches;
                game.Frames(60);
            } else {
                game.Frames(50);
            }
        }
        ASSERT_TRUE(CurrentTally) << matches << " matches made";
    }
};

TEST_F(KeyboardPlay, AKeyboardPlayerNamesAProfileWinsTheFirstLocationAndReachesTheMap) {
    PassTheSplashScreens();
    ASSERT_TRUE(Menu()->NewProfileDialogOpen());
    EXPECT_EQ(NavigationCursorShown(), 0);

    // The arrows type on the name box: up turns the letter on, right adds one.
    player.Press(KeyArrowDown);
    ASSERT_EQ(NavigationCursorShown(), 1);
    Ref<guiTextInput> box = Menu()->Dialogs.NewProfileTextbox;
    ASSERT_TRUE(box);
    EXPECT_EQ(NavigationTarget()->gadget, box);
    for (int key : {KeyArrowUp, KeyArrowUp, KeyArrowRight}) player.Press(key);
    for (int i = 0; i < 14; ++i) player.Press(KeyArrowUp);
    EXPECT_EQ(box->Text, "Bo");
    game.SaveFrame("keyboard-name-entry");
    player.Press(KeyReturn, 5);
    ASSERT_TRUE(CurrentProfile);
    EXPECT_EQ(CurrentProfile->Name, "Bo");

    // Options: the music slider steps with the arrows and is heard at once;
    // Escape takes the change back.
    WaitForTheMenu();
    const float music = GetMusicVolume();
    ASSERT_TRUE(player.Choose(Gadget(Menu()->OptionsButton)));
    ASSERT_TRUE(game.RunUntil([] { return OptionsOpen() == 1; }, 50));
    ASSERT_TRUE(player.WalkTo(test::Is(MusicSlider)));
    player.Press(KeyArrowLeft, 3);
    EXPECT_NEAR(GetMusicVolume(), music - 0.1f, 0.051f);
    game.SaveFrame("keyboard-options");
    player.Press(KeyEscape, 20);
    EXPECT_EQ(OptionsOpen(), 0);
    EXPECT_FLOAT_EQ(GetMusicVolume(), music);

    // Play starts the first location and its lesson.
    ASSERT_TRUE(player.Choose(Gadget(Menu()->MainButton)));
    ASSERT_TRUE(game.RunUntil([] { return test::OnTop<MainGame>(); }, 200));
    Settle();
    ASSERT_EQ(CurrentLevel->n, 0);
    PlayToTallyWithKeys();
    game.SaveFrame("keyboard-tally");

    ASSERT_TRUE(game.RunUntil([] { return CurrentTally->OK && !CurrentTally->OK->Removed; }, 2000));
    game.Frames(600);
    ASSERT_TRUE(player.Choose(Gadget(CurrentTally->OK)));
    // A story level shows its comic first; Return turns its pages.
    for (int i = 0; i < 20 && !test::OnTop<QuestMap>(); ++i) {
        game.Frames(50);
        if (test::OnTop<ComicPage>() && !TransitionInProgress(0)) player.Press(KeyReturn);
    }
    ASSERT_TRUE(game.RunUntil([] { return test::OnTop<QuestMap>(); }, 1000));
    Settle();
    EXPECT_EQ(CurrentProfile->CurrentAdventure, 1);
    // The map offers its buttons: the cursor starts on "continue".
    player.Press(KeyArrowLeft);
    auto map = Cast<QuestMap>(TopScene());
    ASSERT_TRUE(map);
    EXPECT_TRUE(player.WalkTo(Gadget(map->QuestContinue)));
    game.SaveFrame("keyboard-quest-map");
    // Escape leaves the map as "back" does.
    player.Press(KeyEscape);
    EXPECT_TRUE(game.RunUntil([] { return test::OnTop<MainScene>(); }, 400));
}

// A pad's buttons pressed and let go as a player does, and the arrows the
// planner asks for pressed on its d-pad.
class PadPlayer {
  public:
    PadPlayer(test::GameHarness& game, VirtualPad& pad) : game_(game), pad_(pad) {}

    void Tap(VirtualPad::Button button, int frames = 2) {
        pad_.Hold(button);
        game_.Frames(2);
        pad_.Release(button);
        game_.Frames(frames);
    }
    bool WalkTo(const test::TargetWanted& wanted) {
        for (int i = 0; i < 60; ++i) {
            int arrow = test::NextArrowTowards(wanted);
            if (arrow == 0) return true;
            if (arrow < 0) {
                game_.Frames(10);
                continue;
            }
            Tap(arrow == KeyArrowLeft    ? VirtualPad::Left
                : arrow == KeyArrowRight ? VirtualPad::Right
                : arrow == KeyArrowUp    ? VirtualPad::Up
                                         : VirtualPad::Down);
        }
        return false;
    }
    bool Choose(const test::TargetWanted& wanted) {
        if (!WalkTo(wanted)) return false;
        Tap(VirtualPad::A);
        return true;
    }

  private:
    test::GameHarness& game_;
    VirtualPad& pad_;
};

TEST_F(KeyboardPlay, APadPlugsInNamesAPlayerPlaysAndSurvivesBeingPulledOut) {
    ASSERT_TRUE(game.Start({}));
    VirtualPad pad;
    if (!pad.PlugIn()) GTEST_SKIP() << "the platform cannot make a virtual game controller";
    PadPlayer padPlayer(game, pad);
    // A, like any key, skips the splash screens.
    for (int i = 0; i < 40 && !test::OnTop<MainScene>(); ++i) padPlayer.Tap(VirtualPad::A, 25);
    ASSERT_TRUE(game.RunUntil([] { return test::OnTop<MainScene>(); }, 2000));
    Settle();

    // The first-profile dialog does not trap a player without letters.
    ASSERT_TRUE(Menu()->NewProfileDialogOpen());
    padPlayer.Tap(VirtualPad::Down);
    padPlayer.Tap(VirtualPad::Up);
    pad.Lean(VirtualPad::LeftY, -30000); // the stick turns the letter too
    game.Frames(2);
    pad.Lean(VirtualPad::LeftY, 0);
    game.Frames(2);
    EXPECT_EQ(Menu()->Dialogs.NewProfileTextbox->Text, "B");
    padPlayer.Tap(VirtualPad::A, 5);
    ASSERT_TRUE(CurrentProfile);
    EXPECT_EQ(CurrentProfile->Name, "B");

    // Options with A, the slider with the stick, B backs out.
    WaitForTheMenu();
    ASSERT_TRUE(padPlayer.Choose(Gadget(Menu()->OptionsButton)));
    ASSERT_TRUE(game.RunUntil([] { return OptionsOpen() == 1; }, 50));
    ASSERT_TRUE(padPlayer.WalkTo(test::Is(SoundSlider)));
    const float before = SoundSlider->SliderValue;
    pad.Lean(VirtualPad::LeftX, -32768);
    game.Frames(3);
    pad.Lean(VirtualPad::LeftX, 0);
    game.Frames(3);
    EXPECT_NEAR(SoundSlider->SliderValue, before - 0.1f, 0.051f);
    padPlayer.Tap(VirtualPad::B, 20);
    EXPECT_EQ(OptionsOpen(), 0);

    // Pulled out with the d-pad held: the arrow is let go, nothing repeats.
    ASSERT_TRUE(padPlayer.WalkTo(Gadget(Menu()->MainButton)));
    pad.Hold(VirtualPad::Down);
    game.Frames(3);
    const void* held = NavigationTarget()->key.get();
    pad.SendRemoved();
    game.Frames(2);
    EXPECT_EQ(GameKeyDown(KeyArrowDown), 0);
    game.Frames(100);
    EXPECT_EQ(NavigationTarget()->key.get(), held);
    pad.Unplug();
    game.Frames(2);

    // Plugged in again, it plays on: Play, then Start pauses and resumes.
    ASSERT_TRUE(pad.PlugIn());
    ASSERT_TRUE(padPlayer.Choose(Gadget(Menu()->MainButton)));
    ASSERT_TRUE(game.RunUntil([] { return test::OnTop<MainGame>(); }, 200));
    Settle();
    padPlayer.Tap(VirtualPad::Start, 5);
    EXPECT_EQ(CurrentGame->Paused(0), 1);
    padPlayer.Tap(VirtualPad::Start, 30);
    EXPECT_EQ(CurrentGame->Paused(0), 0);

    // The lesson's pair, chosen on the board with the d-pad and A.
    GroupPair pair;
    ASSERT_TRUE(game.RunUntil(
        [&] {
            pair = PairToPlay();
            return pair.size() == 2 && !pair[0].empty() && !pair[1].empty();
        },
        1000));
    const int score = GameScore;
    ASSERT_TRUE(padPlayer.Choose(test::AnyOf(pair[0])));
    game.Frames(20);
    ASSERT_TRUE(padPlayer.Choose(test::AnyOf(pair[1])));
    EXPECT_TRUE(game.RunUntil([&] { return GameScore > score; }, 300));
}

TEST_F(KeyboardPlay, TheBonusGameIsWonPerfectlyWithTheKeys) {
    // Location 5 as a developer starts it, its set moved on to the bonus
    // level as a won level moves it.
    ASSERT_TRUE(game.Start({"run5"}));
    ASSERT_TRUE(game.RunUntil([] { return test::OnTop<MainGame>(); }, 2000));
    Settle();
    ASSERT_EQ(StartLevel(0, 0), 0);
    ASSERT_TRUE(IsBonusLevel(*CurrentLevel));
    ASSERT_TRUE(game.RunUntil(
        [] {
            for (auto& column : BonusGrid)
                for (auto& brick : column)
                    if (brick && brick->Treasure && brick->Frame < 24) return false;
            return FairyCount > 0;
        },
        600));
    // The tiles are the targets; Return anywhere hides the fairies.
    player.Press(KeyArrowDown);
    ASSERT_TRUE(NavigationTarget());
    player.Press(KeyReturn);
    ASSERT_TRUE(game.RunUntil([] { return BonusPhase == BonusFind; }, 300));
    std::vector<Ref<BonusBrick>> fairies;
    for (auto& column : BonusGrid)
        for (auto& brick : column)
            if (brick && brick->Treasure) fairies.push_back(brick);
    for (const Ref<BonusBrick>& fairy : fairies) {
        ASSERT_TRUE(player.Choose(test::Is(fairy)));
        game.Frames(15);
    }
    game.SaveFrame("keyboard-bonus-found");
    EXPECT_EQ(FairiesFound, static_cast<int>(fairies.size()));
    EXPECT_EQ(BonusPerfect, 1);
}

} // namespace
} // namespace wispwood
