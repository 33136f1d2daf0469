// The quest map scene on a small made-up adventure: which locations it
// shows, the unlock timelines after a completed level, the medal reveal,
// the flights and the self-playing mode's clicks.
#include "framework/gui/gui_gadget.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/end_game_screen.h"
#include "game/adventure/gem_particle.h"
#include "game/adventure/quest_map.h"
#include "game/adventure/quest_map_state.h"
#include "game/adventure/quest_spot.h"
#include "game/adventure/temple_particle.h"
#include "game/app/world_reset.h"
#include "game/board/level_result.h"
#include "game/services/profiles.h"
#include "game/services/rank.h"
#include "game/services/start_flags.h"
#include "tests/support/feedback_fixture.h"
#include "tests/support/scene_fixture.h"
#include <gtest/gtest.h>
#include <map>

namespace wispwood {
namespace {

class QuestMapTest : public test::FeedbackTest {
  protected:
    Ref<PlayerProfile> profile;

    void SetUp() override {
        FeedbackTest::SetUp();
        BuildRanks({"a", "b", "c"}, false);
        profile = UseTemporaryProfile();
        profile->Name = "Tess";
    }
    void TearDown() override { FeedbackTest::TearDown(); }
    static void ResetAll() { ResetWorld(); }

    // count locations 40 pixels apart, temples at the given indices.
    static void MakeSpots(int count, std::initializer_list<int> temples) {
        for (int i = 0; i < count; ++i) {
            auto spot = New<QuestSpot>();
            spot->n = i;
            spot->x = static_cast<float>(40 * i);
            spot->y = 300;
            for (int t : temples) spot->Big |= t == i ? 1 : 0;
            QuestSpots.AddLast(spot);
        }
    }

    static void Result(int spot, int medal, int gems) {
        LastPlayedSpot = spot;
        LastMedal = medal;
        LastGemsEarned = gems;
    }

    Ref<QuestMap> Enter() {
        auto map = Cast<QuestMap>(MakeQuestMap());
        map->Init();
        return map;
    }

    static std::vector<int> Hidden() {
        std::vector<int> hidden;
        for (const Ref<QuestSpot>& s : QuestSpots) hidden.push_back(s->HideSmall);
        return hidden;
    }
};

TEST_F(QuestMapTest, EnteringFromTheMenuShowsEverythingUpToTheNextTemple) {
    MakeSpots(10, {4, 8});
    profile->CurrentAdventure = 2;
    Ref<QuestMap> map = Enter();
    EXPECT_EQ(Hidden(), (std::vector<int>{0, 0, 0, 0, 0, 1, 1, 1, 1, 2}));
    for (const Ref<QuestSpot>& s : QuestSpots) {
        EXPECT_EQ(s->Finished, s->n < 2 ? 1 : 0) << s->n;
        EXPECT_EQ(s->Gadget != nullptr, s->n < 2) << s->n;
    }
    EXPECT_EQ(SpotAt(4)->SmallDotsTotal, 4);
    EXPECT_EQ(SpotAt(4)->SmallDotsComplete, 2);
    EXPECT_EQ(SpotAt(8)->SmallDotsTotal, 3);
    EXPECT_EQ(SpotAt(8)->SmallDotsComplete, 0);
    // Bonus levels: the temple at 4, location 5 and the temple at 8.
    EXPECT_EQ(SpotAt(4)->BonusNumber, 0);
    EXPECT_EQ(SpotAt(5)->BonusNumber, 1);
    EXPECT_EQ(SpotAt(8)->BonusNumber, 2);
    // Nothing to animate: the marker stands on the frontier.
    EXPECT_EQ(SpotUnlockTicks, 0);
    EXPECT_EQ(TempleUnlockTicks, 0);
    float x = 0, y = 0;
    ASSERT_TRUE(map->MarkerPosition(x, y));
    EXPECT_EQ(x, 80);
    EXPECT_TRUE(sounds.empty());
}

TEST_F(QuestMapTest, ACompletedTempleRevealsTheNextRegionOneLocationEveryTwentyTicks) {
    MakeSpots(10, {4, 8});
    profile->CurrentAdventure = 4;
    Result(4, 0, 0);
    Ref<QuestMap> map = Enter();
    EXPECT_EQ(profile->CurrentAdventure, 5);
    EXPECT_EQ(TempleUnlockTicks, 1);
    EXPECT_EQ(Hidden(), (std::vector<int>{0, 0, 0, 0, 0, 1, 1, 1, 1, 2}));
    std::map<int, int> shownAt; // location -> TempleUnlockTicks when shown
    int spotUnlockStart = 0;
    for (int tick = 0; tick < 2000 && spotUnlockStart == 0; ++tick) {
        map->Update();
        for (const Ref<QuestSpot>& s : QuestSpots)
            if (s->HideSmall == 0 && s->n > 4 && !shownAt.count(s->n)) shownAt[s->n] = TempleUnlockTicks;
        if (SpotUnlockTicks != 0) spotUnlockStart = SpotUnlockTicks;
    }
    EXPECT_EQ(shownAt, (std::map<int, int>{{5, 121}, {6, 141}, {7, 161}, {8, 181}}));
    EXPECT_EQ(SpotAt(9)->HideSmall, 2); // behind the next temple
    // The flights landed: the walk to the new frontier follows from 100.
    EXPECT_EQ(spotUnlockStart, 100);
    EXPECT_EQ(TempleParticles.Count(), 0);
    EXPECT_EQ(Played("media\\sound\\staff.ogg"), 4);
    EXPECT_EQ(Played("media\\sound\\goldreveal.ogg"), 1); // the temple at 8
    int ticks = 0;
    while (SpotUnlockTicks != 0 && ticks < 1000) {
        map->Update();
        ++ticks;
    }
    EXPECT_EQ(ticks, 401);
}

TEST_F(QuestMapTest, ACompletedLocationRevealsItsMedalAndTheMarkerWalksOn) {
    MakeSpots(10, {8});
    profile->CurrentAdventure = 3;
    Result(3, 1, 0);
    Ref<QuestMap> map = Enter();
    Ref<QuestSpot> spot = SpotAt(3);
    EXPECT_EQ(profile->CurrentAdventure, 4);
    EXPECT_EQ(profile->LevelStates[3], 1);
    EXPECT_EQ(profile->SilverMedals, 1);
    EXPECT_EQ(ShownSilverMedals, 0);
    EXPECT_EQ(spot->RevealQueued, 1);
    EXPECT_EQ(spot->RevealDelay, 450);
    EXPECT_EQ(SpotUnlockTicks, 1);
    EXPECT_TRUE(spot->CurrentlyUnlocking());
    ASSERT_EQ(GemParticles.Count(), 1);
    EXPECT_EQ(GemParticles.ValueAtIndex(0)->Delay, 280);
    // The reveal waits for the medal flight to set off.
    int revealedAt = 0, landedAt = 0;
    std::vector<float> walk;
    for (int tick = 1; tick <= 600; ++tick) {
        map->Update();
        if (!revealedAt && spot->RevealQueued == 0) revealedAt = tick;
        if (!landedAt && ShownSilverMedals == 1) landedAt = tick;
        float x = 0, y = 0;
        map->MarkerPosition(x, y);
        walk.push_back(x);
    }
    EXPECT_EQ(revealedAt, 280);
    EXPECT_EQ(Played("media\\sound\\silverreveal.ogg"), 1);
    EXPECT_GT(landedAt, 280 + 190);
    EXPECT_EQ(Played("media\\sound\\scoremagicdone.ogg"), 1);
    // The marker waits on location 3 (x 120), walks to 4 (x 160) between
    // unlock ticks 251 and 300, and stays there once the unlock is over.
    EXPECT_EQ(walk[248], 120);
    EXPECT_GT(walk[260], 120);
    EXPECT_LT(walk[260], 160);
    EXPECT_EQ(walk[300], 160);
    EXPECT_EQ(walk[599], 160);
    EXPECT_EQ(SpotUnlockTicks, 0);
}

TEST_F(QuestMapTest, AReplayAfterACompletedTempleKeepsTheFrontierRegionVisible) {
    MakeSpots(12, {4, 9});
    profile->CurrentAdventure = 5; // the temple at 4 is done
    profile->LevelStates[2] = 1;
    Result(2, 1, 0);
    Ref<QuestMap> map = Enter();
    EXPECT_EQ(profile->CurrentAdventure, 5);
    EXPECT_EQ(SpotAt(2)->RevealQueued, 0);
    EXPECT_EQ(SpotUnlockTicks, 0);
    EXPECT_EQ(TempleUnlockTicks, 0);
    // The new frontier 5 and its region up to the temple at 9 show.
    EXPECT_EQ(Hidden(), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1}));
    EXPECT_EQ(GemParticles.Count(), 1); // the silver medal still flies
}

TEST_F(QuestMapTest, ARankUpGemGivesALifeWhenItLands) {
    MakeSpots(6, {});
    profile->CurrentAdventure = 4;
    profile->Gems = 5;
    profile->Lives = 2;
    Result(2, 0, 2);
    Ref<QuestMap> map = Enter();
    EXPECT_EQ(profile->Gems, 7);
    EXPECT_EQ(ShownGems, 5);
    ASSERT_EQ(GemParticles.Count(), 2);
    EXPECT_EQ(GemParticles.ValueAtIndex(0)->RankUp, 1);
    EXPECT_EQ(GemParticles.ValueAtIndex(1)->Delay, 180 + 20 + 150);
    for (int tick = 0; tick < 1000 && GemParticles.Count() > 0; ++tick) map->Update();
    EXPECT_EQ(GemParticles.Count(), 0);
    EXPECT_EQ(ShownGems, 7);
    EXPECT_EQ(profile->Lives, 3);
    EXPECT_EQ(Played("media\\jingles\\questcompleted.ogg"), 1);
    EXPECT_EQ(Played("media\\sound\\staff.ogg"), 2);
}

TEST_F(QuestMapTest, TheLastLocationStartsTheClosingSequence) {
    MakeSpots(100, {});
    profile->CurrentAdventure = 99;
    Result(99, 0, 0);
    Ref<QuestMap> map = Enter();
    EXPECT_EQ(map->FinishSequence, 1);
    EXPECT_EQ(map->QuestBack->hidden, 1);
    EXPECT_EQ(map->QuestContinue->active, 0);
    // No location can be clicked while it runs.
    for (const Ref<QuestSpot>& s : QuestSpots) EXPECT_EQ(s->Gadget, nullptr);
    for (int tick = 0; tick < 10; ++tick) map->Update();
    EXPECT_EQ(Played("media\\jingles\\questcompleted.ogg"), 1);
    EXPECT_EQ(map->QuestBack->y, 9999);
    EXPECT_EQ(ContinueSpotIndex(), 99); // the adventure is at 100
}

TEST_F(QuestMapTest, TheClosingSequenceHandsOverToTheEndScreen) {
    MakeSpots(100, {});
    profile->CurrentAdventure = 99;
    Result(99, 0, 0);
    auto title = New<test::ProbeScene>();
    PushSceneInstantly(title);
    auto map = Cast<QuestMap>(MakeQuestMap());
    PushSceneInstantly(map); // entered once, as the stack enters it
    ASSERT_EQ(map->FinishSequence, 1);
    while (map->FinishSequence < 1200) map->Update();
    EXPECT_EQ(TopScene(), map); // the last tick has not passed yet

    // With a transition under way the push waits for it to end.
    CurrentTransition = New<FadeOnTop>();
    map->Update();
    EXPECT_EQ(TopScene(), map);
    CurrentTransition = nullptr;
    MakeWaitingSceneChanges();
    auto screen = Cast<EndGameScreen>(TopScene());
    ASSERT_TRUE(screen);
    // Once covered, the map leaves the stack, so the end screen's button
    // goes back to the title screen.
    ASSERT_EQ(SceneStack.Stack.Count(), 3);
    for (const auto& scene : SceneStack.Stack)
        if (scene != TopScene() && scene->DeleteFromStack) SceneStack.Stack.Remove(scene);
    CurrentTransition = nullptr; // the arrival has run its course
    screen->Whatever->mhit = 1;
    screen->Update();
    EXPECT_EQ(TopScene(), title);
}

TEST_F(QuestMapTest, TheSelfPlayingModeReplaysFinishedLocationsElseContinues) {
    MakeSpots(5, {});
    profile->CurrentAdventure = 2;
    TestMode = 1;
    Ref<QuestMap> map = Enter();
    EXPECT_EQ(TestModeVisits, 1);
    EXPECT_EQ(TestModeChoice(1), 0);
    EXPECT_EQ(TestModeChoice(2), 1);
    EXPECT_EQ(TestModeChoice(3), -1); // the frontier has no clickable area
    EXPECT_EQ(TestModeChoice(101), 0);
    EXPECT_EQ(TestModeChoice(0), -1);
    map = Enter();
    EXPECT_EQ(TestModeVisits, 2);
}

TEST_F(QuestMapTest, ContinueStaysWithinTheLocations) {
    profile->CurrentAdventure = 150;
    EXPECT_EQ(ContinueSpotIndex(), 99);
    profile->CurrentAdventure = -4;
    EXPECT_EQ(ContinueSpotIndex(), 0);
    profile->CurrentAdventure = 37;
    EXPECT_EQ(ContinueSpotIndex(), 37);
}

TEST(QuestMapTitle, NamesEndingInALowerCaseSTakeOnlyTheApostrophe) {
    EXPECT_EQ(QuestMapTitle("Tess"), "Tess' QUEST MAP");
    EXPECT_EQ(QuestMapTitle("Bob"), "Bob's QUEST MAP");
    EXPECT_EQ(QuestMapTitle("JAMES"), "JAMES's QUEST MAP");
    EXPECT_EQ(QuestMapTitle(""), "'s QUEST MAP");
}

} // namespace
} // namespace wispwood
