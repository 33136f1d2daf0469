#include "engine/draw/pixmap_loader.h"
#include "engine/io/memory_stream.h"
#include "framework/data/section_file.h"
#include "game/adventure/quest_spot.h"
#include "game/adventure/spot_levels.h"
#include "game/board/level_set.h"
#include "game/level/level_start.h"
#include "tests/support/ascii_board.h"
#include "tests/support/headless_display.h"
#include "tests/support/paths.h"
#include <filesystem>
#include <fstream>

namespace wispwood {
namespace {

class QuestSpotTest : public test::BoardTest {
  protected:
    void SetUp() override { BoardTest::SetUp(); }
    void TearDown() override { BoardTest::TearDown(); }

    // The location its one section describes, read as the n-th of the file.
    static Ref<QuestSpot> Spot(const Text& keys, int n = 40) {
        TMemoryStream stream("[spot]\n" + keys);
        Ref<GameFileData> data = GameFileTextDriver::ReadStream(stream);
        return ReadQuestSpot(*data->Nodes.LookUp("spot"), n);
    }

    // Writes the text as a location file and loads it.
    int Load(const Text& text) {
        std::ofstream(dir.File("coords.txt")) << text;
        return LoadQuestSpots(dir.File("coords.txt"));
    }

    test::TempDir dir;
};

TEST_F(QuestSpotTest, IntListsRepeatTheLastValueAndEmptyOnesAreTheDefault) {
    struct Case {
        Text keys;
        std::vector<int> QuestSpot::*field;
        std::vector<int> expected;
    };
    const std::vector<Case> cases = {
        {"", &QuestSpot::Quota, {100, 200, 250, 200}},
        {"quota =\n", &QuestSpot::Quota, {100, 200, 250, 200}},
        {"quota = 300\n", &QuestSpot::Quota, {300, 300}},
        {"colors = 4,5\n", &QuestSpot::Colors, {4, 5, 5}},
        {"colors = x,7\n", &QuestSpot::Colors, {0, 7, 7}},
        {"", &QuestSpot::Colors, {3, 3, 3, 3}},
        {"", &QuestSpot::BonusColors, {1, 2}},
        {"", &QuestSpot::BoardWidth, {5, 5, 5, 5}},
        {"", &QuestSpot::Time, {0, 0, 0, 0}},
        {"", &QuestSpot::BombFrequency, {0, 0, 0}},
        {"modifier = 3\n", &QuestSpot::CreationOverride, {3, 3}},
        {"vinemodifier = 2\n", &QuestSpot::VineCreationOverride, {2, 2}},
        {"blockyvines = 1\n", &QuestSpot::BlockProducingVines, {1, 1}},
        {"extralifefrequency = 9\n", &QuestSpot::ExtraLifeFrequency, {9, 9}},
        {"destroyhorizontalfrequency = 6\n", &QuestSpot::DestroyHorizontalFrequency, {6, 6}},
        {"destroyverticalfrequency = 7\n", &QuestSpot::DestroyVerticalFrequency, {7, 7}},
        {"earthquakefrequency = 8\n", &QuestSpot::EarthquakeFrequency, {8, 8}},
        {"stonepiecefrequency = 4\n", &QuestSpot::StonePieceFrequency, {4, 4}},
        {"rainbowfrequency = 5\n", &QuestSpot::RainbowFrequency, {5, 5}},
        {"gemfrequency = 40\n", &QuestSpot::GemFrequency, {40, 40}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys.empty() ? Text("(no keys)") : c.keys);
        Ref<QuestSpot> spot = Spot(c.keys);
        EXPECT_EQ((*spot).*c.field, c.expected);
    }
}

TEST_F(QuestSpotTest, ColumnListsAreTakenAsTheyStand) {
    Ref<QuestSpot> spot = Spot("boardcolumns1 = 3,4\nboardcolumns3 = 9\n");
    EXPECT_EQ(spot->BoardColumns[0], (std::vector<int>{3, 4}));
    EXPECT_TRUE(spot->BoardColumns[1].empty());
    EXPECT_EQ(spot->BoardColumns[2], (std::vector<int>{9}));
}

TEST_F(QuestSpotTest, FloatListsOfAnAbsentKeyAreTwoZeros) {
    struct Case {
        Text keys;
        std::vector<float> QuestSpot::*field;
        std::vector<float> expected;
    };
    const std::vector<Case> cases = {
        {"", &QuestSpot::Speed, {0, 0}},
        {"speed =\n", &QuestSpot::Speed, {0, 0}},
        {"speed = 1.5\n", &QuestSpot::Speed, {1.5f, 1.5f}},
        {"speed = 1.5,2\n", &QuestSpot::Speed, {1.5f, 2, 2}},
        {"", &QuestSpot::GroupFactor, {0, 0}},
        {"groupfactor = 0.25,0.75\n", &QuestSpot::GroupFactor, {0.25f, 0.75f, 0.75f}},
        {"groupfactor = fast\n", &QuestSpot::GroupFactor, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys.empty() ? Text("(no keys)") : c.keys);
        Ref<QuestSpot> spot = Spot(c.keys);
        EXPECT_EQ((*spot).*c.field, c.expected);
    }
}

TEST_F(QuestSpotTest, BoardsWiderThanTwelveColumnsUseTheSmallerPieces) {
    EXPECT_EQ(Spot("boardwidth = 12\n")->PieceWidth, 48);
    EXPECT_EQ(Spot("boardwidth = 12\n")->PieceHeight, 48);
    EXPECT_EQ(Spot("boardwidth = 13\n")->PieceWidth, 40);
    EXPECT_EQ(Spot("boardwidth = 13\n")->PieceHeight, 40);
    // Only the location's own board counts, not its bonus board.
    EXPECT_EQ(Spot("boardwidth = 12,16\n")->PieceWidth, 48);
    EXPECT_EQ(Spot("")->PieceWidth, 48); // the default width 5
}

TEST_F(QuestSpotTest, PositionsOfTheFirstTwoStretchesMoveOntoTheTrail) {
    struct Case {
        int n;
        float x, y, expectedX, expectedY;
    };
    const std::vector<Case> cases = {
        {0, 100, 200, 100, 200},        {1, 100, 200, 85, 200},   {9, 100, 200, 85, 200},
        {10, 100, 200, 100, 200},       {11, 409, 300, 448, 285}, {27, 647, 300, 647, 300},
        {20, 528, 300, 547.5f, 292.5f}, // halfway along the bend
        {12, 300, 300, 448, 285},       // left of the bend: as at its start
        {13, 900, 300, 647, 300},       // right of it: as at its end
        {28, 647, 300, 647, 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("location " + std::to_string(c.n));
        Ref<QuestSpot> spot =
            Spot("x = " + std::to_string(int(c.x)) + "\ny = " + std::to_string(int(c.y)) + "\n", c.n);
        EXPECT_FLOAT_EQ(spot->x, c.expectedX);
        EXPECT_FLOAT_EQ(spot->y, c.expectedY);
    }
}

TEST_F(QuestSpotTest, BonusLevelsFollowEveryFifthLocationAndEveryTemple) {
    auto bonus = [](int n, int big) {
        QuestSpot spot;
        spot.n = n;
        spot.Big = big;
        return spot.DoBonus();
    };
    EXPECT_EQ(bonus(0, 0), 0);
    EXPECT_EQ(bonus(0, 1), 0);
    EXPECT_EQ(bonus(5, 0), 1);
    EXPECT_EQ(bonus(7, 0), 0);
    EXPECT_EQ(bonus(7, 1), 1);
    EXPECT_EQ(bonus(99, 0), 0);
}

TEST_F(QuestSpotTest, ALocationWithABonusMakesItsLevelThenTheBonusLevel) {
    Ref<QuestSpot> spot =
        Spot("quota = 70,90\ncolors = 4,5\nbonuscolors = 2,3,4\nboardwidth = 13,6\n"
             "speed = 1.5,3\ngroupfactor = 0.25,0.5\ntime = 90\nmodifier = 2\n"
             "vinemodifier = 3\nbombfrequency = 11\nstonepiecefrequency = 12\n"
             "extralifefrequency = 13\ndestroyhorizontalfrequency = 14\n"
             "destroyverticalfrequency = 15\nearthquakefrequency = 16\nrainbowfrequency = 17\n"
             "gemfrequency = 18\nblockyvines = 1\nboardcolumns1 = 2,5\nboardcolumns2 = 7\n",
             15);
    spot->BonusNumber = 3;
    std::vector<Ref<Level>> levels = spot->CreateLevels();
    ASSERT_EQ(levels.size(), 2u);

    const Level& level = *levels[0];
    EXPECT_FALSE(IsBonusLevel(level));
    EXPECT_EQ(level._Quota, 70);
    // The colour lists whole: entry i is for the level at position i.
    EXPECT_EQ(level.Colors, (std::vector<int>{4, 5, 5}));
    EXPECT_EQ(level.BonusColors, (std::vector<int>{2, 3, 4, 4}));
    EXPECT_EQ(level.Columns, (std::vector<int>{2, 5}));
    EXPECT_EQ(level.Time, 90);
    EXPECT_EQ(level.CreationOverride, 2);
    EXPECT_EQ(level.VineCreationOverride, 3);
    EXPECT_EQ(level.BombFrequency, 11);
    EXPECT_EQ(level.StonePieceFrequency, 12);
    EXPECT_EQ(level.ExtraLifeFrequency, 13);
    EXPECT_EQ(level.DestroyHorizontalFrequency, 14);
    EXPECT_EQ(level.DestroyVerticalFrequency, 15);
    EXPECT_EQ(level.EarthquakeFrequency, 16);
    EXPECT_EQ(level.RainbowFrequency, 17);
    EXPECT_EQ(level.GemFrequency, 18);
    EXPECT_EQ(level.BlockProducingVines, 1);
    EXPECT_EQ(level._Width, 13);
    EXPECT_FLOAT_EQ(level._Speed, 1.5f);
    EXPECT_FLOAT_EQ(level.GroupFactor, 0.25f);

    const Level& bonus = *levels[1];
    EXPECT_TRUE(IsBonusLevel(bonus));
    EXPECT_EQ(bonus.BonusColors, (std::vector<int>{2, 3, 4, 4}));
    EXPECT_EQ(bonus._Width, 6);
    EXPECT_FLOAT_EQ(bonus._Speed, 3);
    EXPECT_FLOAT_EQ(bonus.GroupFactor, 0.5f);
    // Everything else is what a new bonus level has.
    const BonusLevel fresh;
    EXPECT_EQ(bonus._Quota, fresh._Quota);
    EXPECT_EQ(bonus.Colors, fresh.Colors);
    EXPECT_EQ(bonus.Columns, fresh.Columns);
    EXPECT_EQ(bonus.Time, fresh.Time);
    EXPECT_EQ(bonus.GemFrequency, fresh.GemFrequency);
    EXPECT_EQ(bonus.CreationOverride, fresh.CreationOverride);

    // Both levels carry the location's cell size (from its own width, 13),
    // images, bonus ordinal and number.
    for (const Ref<Level>& l : levels) {
        EXPECT_EQ(l->PieceWidth, 40);
        EXPECT_EQ(l->PieceHeight, 40);
        EXPECT_EQ(l->PieceImages, spot->Images);
        EXPECT_EQ(l->BonusNumber, 3);
        EXPECT_EQ(l->n, 15);
    }

    EXPECT_EQ(Spot("", 16)->CreateLevels().size(), 1u);
}

TEST_F(QuestSpotTest, LocationsAreNumberedInTheOrderOfTheirSectionNames) {
    ASSERT_EQ(
        Load("x = 999\n[spot2]\nx = 502\n[spot10]\nx = 510\nbig = 1\n[Spot0]\nx = 500\n[spot5]\nx = 505\n"),
        1);
    // The root section is not a location; "spot10" sorts before "spot2".
    ASSERT_EQ(QuestSpots.Count(), 4);
    std::vector<float> xs;
    for (const auto& spot : QuestSpots) xs.push_back(spot->x);
    // Locations 1 to 3 sit 15 pixels left of their file position.
    EXPECT_EQ(xs, (std::vector<float>{500, 495, 487, 490}));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(SpotAt(i)->n, i);
    // Bonus ordinals count the locations with a bonus level (the temple at
    // 1 and nothing else here).
    EXPECT_EQ(SpotAt(1)->DoBonus(), 1);
    EXPECT_EQ(SpotAt(1)->BonusNumber, 0);
    // A second load replaces the locations rather than adding to them.
    Load("[a]\n[b]\n");
    EXPECT_EQ(QuestSpots.Count(), 2);
}

TEST_F(QuestSpotTest, BonusOrdinalsAreKnownWithoutEnteringTheMap) {
    Text text;
    for (int i = 0; i <= 12; ++i) text += "[s" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "]\n";
    text += "big = 1\n"; // location 12 is a temple
    Load(text);
    ASSERT_EQ(QuestSpots.Count(), 13);
    EXPECT_EQ(SpotAt(5)->BonusNumber, 0);
    EXPECT_EQ(SpotAt(10)->BonusNumber, 1);
    EXPECT_EQ(SpotAt(12)->BonusNumber, 2);
}

TEST_F(QuestSpotTest, ATempleSpriteIsThreeFramesSideBySideHeldAtTheirCentre) {
    test::OpenHeadlessDisplay();
    std::filesystem::create_directories(dir.Path() + "/media/quest");
    ASSERT_EQ(SavePixmapPNG(test::SolidPixmap(90, 40, 0xff336699), dir.File("media/quest/tower.png")), 1);
    test::WorkingFolder folder(dir.Path());
    ASSERT_TRUE(folder.Entered());
    Load("[a]\n[b]\nbig = 1\nsprite = tower\n");
    EXPECT_EQ(SpotAt(0)->Location, nullptr);
    Ref<TImage> sprite = SpotAt(1)->Location;
    ASSERT_TRUE(sprite);
    EXPECT_EQ(ImageFrameCount(sprite), 3);
    EXPECT_EQ(ImageWidth(sprite), 30);
    EXPECT_EQ(ImageHeight(sprite), 40);
    EXPECT_FLOAT_EQ(sprite->handle_x, 15);
    EXPECT_FLOAT_EQ(sprite->handle_y, 20);
}

TEST_F(QuestSpotTest, LocationsTheGameDoesNotHaveAreRefused) {
    // No file: no locations at all.
    EXPECT_EQ(LoadQuestSpots(dir.File("missing.txt")), 0);
    EXPECT_EQ(QuestSpots.Count(), 0);
    EXPECT_EQ(LocationExists(0), 0);
    EXPECT_EQ(SpotAt(0), nullptr);

    Load("[a]\nquota = 40\n[b]\n[c]\n");
    EXPECT_EQ(LocationExists(-1), 0);
    EXPECT_EQ(LocationExists(0), 1);
    EXPECT_EQ(LocationExists(2), 1);
    EXPECT_EQ(LocationExists(3), 0);
    EXPECT_EQ(LocationExists(99), 0);
    EXPECT_EQ(SpotAt(-1), nullptr);
    EXPECT_EQ(SpotAt(3), nullptr);

    LoadSpotLevels(0);
    ASSERT_TRUE(CurrentLevelSet);
    ASSERT_EQ(CurrentLevelSet->Levels.size(), 1u);
    EXPECT_EQ(CurrentLevelSet->Levels[0]->_Quota, 40);
    // A missing location leaves no level set behind, not the previous one.
    for (int missing : {3, 99, -1}) {
        LoadSpotLevels(0);
        LoadSpotLevels(missing);
        EXPECT_EQ(CurrentLevelSet, nullptr) << missing;
    }
    // With no set, starting a level finds nothing to start.
    EXPECT_EQ(StartLevel(1, 0), 1);
}

} // namespace
} // namespace wispwood
