// The adventure end to end: a new player opens the quest map, plays the
// first locations through real mouse input, and comes back to the map,
// which turns each win into saved progress.
#include "engine/input/key_codes.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_gadget.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/comic_page.h"
#include "game/adventure/gem_particle.h"
#include "game/adventure/main_game.h"
#include "game/adventure/quest_map.h"
#include "game/adventure/quest_map_state.h"
#include "game/adventure/quest_spot.h"
#include "game/app/main_scene.h"
#include "game/app/startup.h"
#include "game/board/board.h"
#include "game/board/gem.h"
#include "game/board/level_result.h"
#include "game/board/level_set.h"
#include "game/board/match_availability.h"
#include "game/board/piece.h"
#include "game/board/staged_lesson.h"
#include "game/board/tutorials.h"
#include "game/level/tally.h"
#include "game/services/profiles.h"
#include "tests/support/game_harness.h"
#include "tests/support/scene_fixture.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class QuestMapFlow : public ::testing::Test {
  protected:
    test::GameHarness game;

    void Settle() { ASSERT_TRUE(game.RunUntil([] { return !TransitionInProgress(0); }, 400)); }

    void ClickGadget(const Ref<guiGadget>& g) {
        ASSERT_TRUE(g);
        game.Click(static_cast<int>(g->x + g->GetWidtH() / 2), static_cast<int>(g->y + g->GetHeight() / 2));
    }

    void ClickPiece(const Ref<Piece>& p) {
        game.Click(BoardLeft() + p->GetX() + CellWidth / 2, BoardTop() + p->GetY() + CellHeight / 2);
    }

    static GroupPair LessonPair() {
        auto lesson = Tutorials.empty() ? nullptr : Cast<TutorialObjectBase>(Tutorials.front());
        if (!lesson || lesson->Stage < LessonGroupA || lesson->Stage > LessonGroupB) return {};
        return {lesson->GroupA, lesson->GroupB};
    }

    // Matches groups until the level's tally shows.
    void PlayToTally() {
        for (int i = 0; i < 400 && !CurrentTally; ++i) {
            // A running lesson only lets its own groups be clicked.
            GroupPair pair = LessonPair();
            if (pair.empty()) pair = FindMatchingPair(-1, 1, 0);
            if (pair.size() == 2 && !pair[0].empty() && !pair[1].empty()) {
                ClickPiece(pair[0][0]);
                game.Frames(20);
                ClickPiece(pair[1][0]);
                game.Frames(60);
            } else {
                game.Frames(50);
            }
        }
        ASSERT_TRUE(CurrentTally);
    }

    // Wins the level and leaves the tally for the map.
    void WinLevel() {
        PlayToTally();
        ASSERT_TRUE(game.RunUntil([] { return CurrentTally->OK && !CurrentTally->OK->Removed; }, 2000));
        game.Frames(600);
        ClickGadget(CurrentTally->OK);
        ASSERT_TRUE(game.RunUntil([] { return test::OnTop<QuestMap>() || test::OnTop<ComicPage>(); }, 1000));
        // A story level shows its comic first; Escape leaves it for the map.
        if (test::OnTop<ComicPage>()) {
            ASSERT_TRUE(game.RunUntil([] { return !TransitionInProgress(0); }, 400));
            game.PressKey(KeyEscape);
        }
        ASSERT_TRUE(game.RunUntil([] { return test::OnTop<QuestMap>(); }, 1000));
        Settle();
    }

    Ref<PlayerProfile> NewPlayerOnTheMap() {
        EXPECT_TRUE(game.Start({}));
        EXPECT_TRUE(game.RunUntil([] { return test::OnTop<MainScene>(); }, 2000));
        Settle();
        EXPECT_EQ(CreateProfile("Tess"), 1);
        SetCurrentProfile(Profiles.ValueAtIndex(Profiles.Count() - 1));
        PushScene(MakeQuestMap());
        EXPECT_TRUE(game.RunUntil([] { return test::OnTop<QuestMap>(); }, 200));
        Settle();
        return CurrentProfile;
    }

    static Ref<PlayerProfile> SavedTess() {
        ResetProfiles();
        LoadProfiles();
        for (const Ref<PlayerProfile>& p : Profiles)
            if (p->Name == "Tess") return p;
        return nullptr;
    }

    void Continue() {
        auto map = Cast<QuestMap>(TopScene());
        ASSERT_TRUE(map);
        Settle();
        ClickGadget(map->QuestContinue);
        ASSERT_TRUE(game.RunUntil([] { return test::OnTop<MainGame>(); }, 200));
        Settle();
    }
};

TEST_F(QuestMapFlow, ANewPlayerWinsTheFirstLocationsAndTheProfileKeepsTheProgress) {
    Ref<PlayerProfile> tess = NewPlayerOnTheMap();
    ASSERT_TRUE(tess);
    game.Frames(30);
    game.SaveFrame("quest-map-new-player");
    EXPECT_EQ(SpotUnlockTicks, 0);
    EXPECT_EQ(GemParticles.Count(), 0);

    // Location 0: always bronze, no gems there.
    Continue();
    ASSERT_EQ(CurrentLevel->n, 0);
    WinLevel();
    EXPECT_EQ(tess->CurrentAdventure, 1);
    EXPECT_EQ(tess->LevelStates[0], 0);
    EXPECT_EQ(SpotUnlockTicks > 0, true);
    EXPECT_EQ(LastPlayedSpot, -1);
    game.Frames(270); // the marker is walking to location 1
    game.SaveFrame("quest-map-marker-walking");
    ASSERT_TRUE(game.RunUntil([] { return SpotUnlockTicks == 0; }, 600));
    EXPECT_NE(SpotAt(0)->Gadget, nullptr);

    // Location 1 has no time limit: gold, and whatever gems were freed.
    Continue();
    ASSERT_EQ(CurrentLevel->n, 1);
    WinLevel();
    const int gems = GemsCollected;
    EXPECT_EQ(tess->CurrentAdventure, 2);
    EXPECT_EQ(tess->LevelStates[1], 2);
    EXPECT_EQ(tess->GoldMedals, 1);
    EXPECT_EQ(tess->Gems, gems);
    EXPECT_EQ(ShownGoldMedals, 0);
    game.Frames(200 + 20 * gems + 100);
    game.SaveFrame("quest-map-medal-flying");
    ASSERT_TRUE(game.RunUntil([] { return GemParticles.Count() == 0; }, 2000));
    EXPECT_EQ(ShownGoldMedals, 1);
    EXPECT_EQ(ShownGems, gems);
    game.Frames(320);
    game.SaveFrame("quest-map-next-location");

    // What was saved is what the map gave.
    SaveProfiles();
    Ref<PlayerProfile> saved = SavedTess();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->CurrentAdventure, 2);
    EXPECT_EQ(saved->LevelStates[0], 0);
    EXPECT_EQ(saved->LevelStates[1], 2);
    EXPECT_EQ(saved->GoldMedals, 1);
    EXPECT_EQ(saved->Gems, gems);
}

TEST_F(QuestMapFlow, AWinIsKeptWhenTheWindowClosesDuringTheTally) {
    ASSERT_TRUE(NewPlayerOnTheMap());
    Continue();
    PlayToTally();
    ASSERT_EQ(LastPlayedSpot, 0);
    // The close request runs the orderly shutdown, which ends the program.
    try {
        ShutDown();
    } catch (...) {
    }
    Ref<PlayerProfile> saved = SavedTess();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->CurrentAdventure, 1);
    EXPECT_EQ(LastPlayedSpot, -1);
}

} // namespace
} // namespace wispwood
