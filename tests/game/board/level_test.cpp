#include "game/board/board.h"
#include "game/board/column_stacks.h"
#include "game/board/creation_override.h"
#include "game/board/falling_pieces.h"
#include "game/board/level_set.h"
#include "game/board/piece.h"
#include "game/board/piece_definition.h"
#include "game/board/quota.h"
#include "game/board/scroll.h"
#include "game/board/stuck_recovery.h"
#include "game/board/time_limit.h"
#include "game/level/bonus_game.h"
#include "game/level/level_start.h"
#include "game/services/profiles.h"
#include "tests/support/row_world.h"

namespace wispwood {
namespace {

class Levels : public test::RowsTest {
  protected:
    // The bonus game's grid is built only when a bonus level starts.
    static bool BonusGridBuilt() { return BonusGrid[0][0] != nullptr; }
    // A location's set: a level and, when asked, its bonus level.
    void MakeSet(bool bonus) {
        CurrentLevelSet = New<LevelSet>();
        auto level = New<Level>();
        level->PieceWidth = level->PieceHeight = 40;
        level->Time = 90;
        level->Colors = {4, 5};
        level->Columns = {1, 3, 17, 0, -2};
        level->CreationOverride = 8; // SimpleSideMissing
        CurrentLevelSet->Levels.push_back(level);
        if (bonus) {
            auto b = New<BonusLevel>();
            b->PieceWidth = b->PieceHeight = 48;
            b->Time = 60;
            CurrentLevelSet->Levels.push_back(b);
        }
    }
};

TEST_F(Levels, NewLevelsHaveTheDocumentedDefaults) {
    Level level;
    EXPECT_EQ(level._Width, 10);
    EXPECT_EQ(level.Width(), 10);
    EXPECT_FLOAT_EQ(level.AdvanceSpeed(), 2.0f);
    EXPECT_EQ(level.Quota(), 100);
    EXPECT_EQ(level.FirstStoneWall, 1);
    EXPECT_EQ(level.FirstGem, 5);
    EXPECT_EQ(level.PieceWidth, 0);
    EXPECT_EQ(level.Time, 0);
    EXPECT_EQ(level.NewPieceQuotaFinished(3), nullptr);
    EXPECT_EQ(level.LastRowComplete, 1);
    // Even a level without colours makes pieces: of colour 0.
    Ref<Piece> p = level.NewPiece(0, 0);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Color, 0);
}

TEST_F(Levels, ComicsBelongToSixLocationsAndFiveOfThemHaveANumber) {
    Level level;
    std::vector<std::pair<int, int>> seen;
    for (int n = 0; n < 100; ++n) {
        level.n = n;
        if (level.HasComic()) {
            seen.emplace_back(n, level.ComicNumbeR());
        } else {
            EXPECT_EQ(level.ComicNumbeR(), 0);
        }
    }
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{0, 0}, {10, 1}, {29, 2}, {53, 3}, {77, 4}, {99, 5}}));
}

TEST_F(Levels, ColourCountFollowsThePositionInTheSetWithinTheStandardColours) {
    Level level;
    EXPECT_EQ(level.MaxColor(), 0);
    level.Colors = {4, 5};
    CurrentLevelIndex = 0;
    EXPECT_EQ(level.MaxColor(), 4);
    CurrentLevelIndex = 1;
    EXPECT_EQ(level.MaxColor(), 5);
    CurrentLevelIndex = 7; // past the list: its last value
    EXPECT_EQ(level.MaxColor(), 5);
    level.Colors = {12};
    EXPECT_EQ(level.MaxColor(), 8);

    level.BonusColors = {2};
    EXPECT_EQ(level.BonusColor(), 1);
    level.BonusColors = {9, 0};
    for (int i = 0; i < 20; ++i) {
        int c = level.BonusColor();
        EXPECT_TRUE(c == 0 || c == 1) << c;
    }
}

TEST_F(Levels, StartingTheFirstLevelSelectsItAndPreparesTheBoard) {
    MakeSet(true);
    QuotaCollected = 7;
    QuotaLevel = 0.5f;
    Ref<QuotaParticle> flying = LaunchQuotaParticle(100, 100, 1, 0);
    // Pieces still falling from before and a stuck recovery under way.
    FallingPieces.AddFirst(New<PieceParticle>());
    StuckState = 5;
    EXPECT_EQ(StartLevel(1, 0), 0);
    EXPECT_TRUE(FallingPieces.IsEmpty());
    EXPECT_EQ(StuckState, 0);
    EXPECT_EQ(CurrentLevel, CurrentLevelSet->Levels[0]);
    EXPECT_EQ(CurrentLevelIndex, 0);
    EXPECT_EQ(CellWidth, 40);
    EXPECT_EQ(CellHeight, 40);
    EXPECT_EQ(PieceDefinitions.size(), 8u);
    EXPECT_EQ(LevelTime, 9000);
    EXPECT_EQ(TimeLeft, 9000);
    EXPECT_FALSE(BonusGridBuilt());
    // The quota starts afresh; what was still flying counts for nothing.
    EXPECT_EQ(QuotaCollected, 0);
    EXPECT_EQ(QuotaRemaining, 100);
    EXPECT_EQ(QuotaLevel, 1.0f);
    EXPECT_EQ(flying->Invalid, 1);
    // The level's patterns start before its board: they counted its ten rows.
    ASSERT_EQ(ActiveOverrides.Count(), 1);
    EXPECT_EQ(ActiveOverrides.First(), GapCatalogueEntry(8));
    EXPECT_EQ(GapCatalogueEntry(8)->y, 10);
    EXPECT_EQ(BoardWidth, 10);
    EXPECT_EQ(ColumnStacks.size(), 10u);
    EXPECT_FLOAT_EQ(ScrollOffset, 39);
    EXPECT_TRUE(PieceAt(5, 9));
    EXPECT_FALSE(PieceAt(5, 10));
    EXPECT_EQ(LowestOccupiedRow(), 9);
    EXPECT_EQ(LevelColumnMarks, (std::vector<int>{1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(CurrentLevel->MaxColor(), 4);

    // Then the bonus level: no timer, the bonus board.
    ResetBonusGame();
    LevelTime = 5;
    QuotaCollected = 100;
    FallingPieces.AddFirst(New<PieceParticle>());
    EXPECT_EQ(StartLevel(0, 0), 0);
    EXPECT_EQ(QuotaCollected, 100); // only a first start resets the count
    EXPECT_TRUE(FallingPieces.IsEmpty());
    EXPECT_EQ(CurrentLevelIndex, 1);
    EXPECT_EQ(CellWidth, 48);
    EXPECT_EQ(LevelTime, 5);
    EXPECT_TRUE(BonusGridBuilt());
    EXPECT_EQ(ActiveOverrides.Count(), 0);
    EXPECT_EQ(CountPieces(), 0); // the bonus game lays its own board

    // A retry plays the same position again; past the end the set is done.
    ResetBonusGame();
    CurrentSpeed = 0;
    EXPECT_EQ(StartLevel(0, 1), 0);
    EXPECT_EQ(CurrentLevelIndex, 1);
    EXPECT_EQ(CountPieces(), 0); // a retry starts empty and moving
    EXPECT_FLOAT_EQ(CurrentSpeed, 1.25f);
    ResetBonusGame();
    EXPECT_EQ(StartLevel(0, 0), 1);
    EXPECT_FALSE(BonusGridBuilt());
    EXPECT_EQ(CurrentLevelIndex, 1);
}

TEST_F(Levels, ASetWithNothingToPlayIsFinished) {
    EXPECT_EQ(StartLevel(1, 0), 1);
    CurrentLevelSet = New<LevelSet>();
    EXPECT_EQ(StartLevel(1, 0), 1);
    MakeSet(false);
    CurrentLevel = New<Level>(); // not part of the set
    EXPECT_EQ(StartLevel(0, 0), 1);
    EXPECT_FALSE(BonusGridBuilt());
}

TEST_F(Levels, MasterQuestHalvesTheTimeAndTimesEveryLevel) {
    SetLevelTime(9000);
    EXPECT_EQ(LevelTime, 9000);
    auto profile = PlayerProfile::Create();
    SetCurrentProfile(profile);
    SetLevelTime(9000);
    EXPECT_EQ(LevelTime, 9000);
    profile->InMasterQuest = 1;
    SetLevelTime(9000);
    EXPECT_EQ(LevelTime, 4500);
    EXPECT_EQ(TimeLeft, 4500);
    SetLevelTime(0);
    EXPECT_EQ(LevelTime, 18000);
    SetLevelTime(1);
    EXPECT_EQ(LevelTime, 18000); // halved to 0
    SetLevelTime(3);
    EXPECT_EQ(LevelTime, 1);
}

} // namespace
} // namespace wispwood
