#include "game/adventure/level_tutorial.h"
#include "game/adventure/spot_levels.h"
#include "game/board/hover_lesson.h"
#include "game/board/pair_lessons.h"
#include "game/board/time_lesson.h"
#include "game/board/tutorials.h"
#include "game/services/player_profile.h"
#include "game/services/profiles.h"
#include "game/services/settings.h"
#include "game/services/start_flags.h"
#include "tests/support/ascii_board.h"

namespace wispwood {
namespace {

class LevelLessons : public test::BoardTest {
  protected:
    void SetUp() override {
        test::BoardTest::SetUp();
        SetHints(1);
        test::BuildBoard({"0000"});
    }
    void TearDown() override {
        CurrentSpotIndex = 0;
        test::BoardTest::TearDown();
    }
    // The lesson that a new game at the location starts, if any.
    static Ref<TutorialObject> StartedAt(int location) {
        ClearTutorials();
        CurrentSpotIndex = location;
        StartLevelTutorial();
        return Tutorials.empty() ? nullptr : Tutorials.front();
    }
};

TEST_F(LevelLessons, EachTeachingLocationStartsItsOwnLesson) {
    EXPECT_TRUE(Cast<TutorialObjectIntro>(StartedAt(0)));
    EXPECT_TRUE(Cast<TutorialObjectTime>(StartedAt(3)));
    EXPECT_TRUE(Cast<TutorialObjectCombo>(StartedAt(4)));
    EXPECT_TRUE(Cast<TutorialObjectChains>(StartedAt(8)));
    EXPECT_TRUE(Cast<TutorialObjectHover>(StartedAt(13)));
    EXPECT_TRUE(Cast<TutorialObjectChains>(StartedAt(33)));
    for (int location : {1, 2, 11, 22, 26}) {
        auto lesson = Cast<TutorialObjectPowerup>(StartedAt(location));
        ASSERT_TRUE(lesson) << location;
        EXPECT_EQ(lesson->txt, "POWERUP");
        EXPECT_EQ(lesson->TextBoxText.size(), 2u);
    }
    for (int location : {5, 7, 9, 10, 12, 14, 17, 18, 20, 34, 99, -1, 100})
        EXPECT_FALSE(StartedAt(location)) << location;
    EXPECT_EQ(TutorialCount(), 0);
    EXPECT_EQ(TutorialClickDisallowed(nullptr), 0);
}

TEST_F(LevelLessons, LessonsCarryTheirSettingsAndTexts) {
    auto flower = Cast<TutorialObjectIntro>(StartedAt(6));
    ASSERT_TRUE(flower);
    EXPECT_EQ(flower->ReverseGroups, 1);
    EXPECT_EQ(flower->ReverseAll, 1);
    auto rainbow = Cast<TutorialObjectIntro>(StartedAt(15));
    ASSERT_TRUE(rainbow);
    EXPECT_EQ(rainbow->ReverseGroups, 1);
    EXPECT_EQ(rainbow->ReverseAll, 0);
    auto fairy = Cast<TutorialObjectSpecific>(StartedAt(16));
    ASSERT_TRUE(fairy);
    EXPECT_EQ(fairy->coords, (std::array<std::array<int, 2>, 2>{{{1, 8}, {6, 7}}}));
    auto keys = Cast<TutorialObjectSpecific>(StartedAt(19));
    ASSERT_TRUE(keys);
    EXPECT_EQ(keys->coords, (std::array<std::array<int, 2>, 2>{{{3, 8}, {6, 8}}}));
    EXPECT_EQ(StartedAt(3)->TextBoxText.size(), 1u);
    EXPECT_EQ(StartedAt(13)->TextBoxText.size(), 1u);
    EXPECT_EQ(StartedAt(0)->TextBoxText.size(), 2u);
    // Made and laid out: the panel exists.
    EXPECT_TRUE(StartedAt(0)->Backing);
}

TEST_F(LevelLessons, NoLessonWithHintsOffInTheMasterQuestOrWhileCapturingBoards) {
    SetHints(0);
    EXPECT_FALSE(StartedAt(0));
    SetHints(1);
    CurrentProfile = PlayerProfile::Create();
    CurrentProfile->InMasterQuest = 1;
    EXPECT_FALSE(StartedAt(0));
    CurrentProfile->InMasterQuest = 0;
    EXPECT_TRUE(StartedAt(0));
    ImagesMode = 1;
    EXPECT_FALSE(StartedAt(2));
}

} // namespace
} // namespace wispwood
