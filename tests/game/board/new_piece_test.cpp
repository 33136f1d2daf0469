#include "engine/io/random.h"
#include "game/board/board.h"
#include "game/board/creation_override.h"
#include "game/board/gem_piece.h"
#include "game/board/level_set.h"
#include "game/board/marker_pieces.h"
#include "game/board/new_piece.h"
#include "game/board/piece_definition.h"
#include "game/board/powerup.h"
#include "game/board/quota.h"
#include "game/board/rainbow_piece.h"
#include "game/board/stone_pieces.h"
#include "tests/support/row_world.h"

namespace wispwood {
namespace {

using test::BuildBoard;

// Hands over the pieces it is given, one per column, once.
class HandOver : public CreationOverride {
  public:
    void Give(int x, const Ref<Piece>& p) {
        auto waiting = New<CreationOverridePiece>();
        waiting->p = p;
        waiting->x = x;
        Pieces.AddLast(waiting);
    }
};

// Cuts a gap in every column.
class AllGaps : public CreationOverride {
  public:
    int IsGap(int) override { return 1; }
};

class NewPieces : public test::RowsTest {
  protected:
    // Colours of the given number of cells made for column x.
    std::vector<int> Colours(Level& level, int x, int count) {
        std::vector<int> colours;
        for (int i = 0; i < count; ++i) {
            Ref<Piece> p = level.NewPiece(x, 0);
            colours.push_back(p && p->Normal() ? p->Color : -1);
        }
        return colours;
    }
    static void LookAlike(int a, int b) {
        PieceDefinitions[a]->IllegalsArray[b] = 1;
        PieceDefinitions[b]->IllegalsArray[a] = 1;
    }
};

TEST_F(NewPieces, NeighbourColoursAndLookAlikesAreWeighedOut) {
    Level& level = test::SelectTestLevel(4, 5);
    BuildBoard({"2...", "0..."});
    LookAlike(2, 3);
    LookAlike(0, 1);
    // Column 1: left is 2 (row 0), nothing below.
    EXPECT_EQ(ColourWeights(level, 1, false), (std::vector<int>{0, 0, 1, 2, 0}));
    EXPECT_EQ(ColourWeights(level, 1, true), (std::vector<int>{0, 0, 0, 2, 0}));
    // Column 0: below is 0.
    EXPECT_EQ(ColourWeights(level, 0, false), (std::vector<int>{1, 2, 0, 0, 0}));
    // A selected piece below is never repeated, grouping or not.
    PieceAt(0, 1)->MahjongOver = 1;
    EXPECT_EQ(ColourWeights(level, 0, true), (std::vector<int>{1, 2, 0, 0, 0}));
    // A neighbour colour beyond the level's colours widens the draw.
    BuildBoard({"7..."});
    EXPECT_EQ(ColourWeights(level, 1, false).size(), 8u);
}

TEST_F(NewPieces, ALookAlikeIsTakenOnlyFromTheFiftySecondDraw) {
    for (int seed = 1; seed < 40; ++seed) {
        SeedRandom(seed);
        ColourDraw d = DrawColour({1, 2, 1});
        EXPECT_EQ(d.colour, 1);
        EXPECT_GE(d.draws, 52);
        EXPECT_LT(d.draws, 1000);
    }
    SeedRandom(5);
    EXPECT_EQ(DrawColour({1, 0}).colour, 1);
}

TEST_F(NewPieces, TheDrawEndsWhenEveryColourIsRuledOut) {
    for (int seed = 1; seed < 20; ++seed) {
        SeedRandom(seed);
        int first = RandomInt(0, 1);
        SeedRandom(seed);
        ColourDraw d = DrawColour({1, 1});
        EXPECT_EQ(d.draws, 1000);
        EXPECT_EQ(d.colour, first) << "the first colour drawn among equals";
    }
    // Through the cell rule: two colours with both neighbours' colours ruled
    // out, one colour next to itself, and a level without colours.
    Level& level = test::SelectTestLevel(4, 2);
    BuildBoard({"0...", ".1.."});
    Ref<Piece> p = level.NewPiece(1, 0);
    ASSERT_TRUE(p);
    EXPECT_TRUE(p->Color == 0 || p->Color == 1);
    level.Colors = {1};
    BuildBoard({"0...", ".0.."});
    EXPECT_EQ(level.NewPiece(1, 0)->Color, 0);
    level.Colors = {0};
    BuildBoard({"...."});
    EXPECT_EQ(level.NewPiece(0, 0)->Color, 0);
}

TEST_F(NewPieces, GroupFactorDecidesWhetherANeighbourColourMayRepeat) {
    Level& level = test::SelectTestLevel(4, 2);
    BuildBoard({"0..."});
    level.GroupFactor = 0;
    for (int c : Colours(level, 1, 50)) EXPECT_EQ(c, 1);
    level.GroupFactor = 1;
    std::vector<int> grouped = Colours(level, 1, 200);
    EXPECT_GT(std::count(grouped.begin(), grouped.end(), 0), 50);
}

TEST_F(NewPieces, GapsEmptyACellWithChanceGapsMinusOneInAHundred) {
    Level& level = test::SelectTestLevel(4, 4);
    level.Gaps = 1;
    for (int c : Colours(level, 0, 300)) EXPECT_NE(c, -1);
    level.Gaps = 51;
    std::vector<int> cells = Colours(level, 0, 2000);
    long empty = std::count(cells.begin(), cells.end(), -1);
    EXPECT_GT(empty, 900);
    EXPECT_LT(empty, 1100);
}

TEST_F(NewPieces, OverridesComeFirstAndMarkersAskForAPieceOfASort) {
    Level& level = test::SelectTestLevel(4, 3);
    level.StonePieceFrequency = 1001; // every random cell a stone
    auto hand = New<HandOver>();
    auto bomb = New<Bomb>();
    hand->Give(0, bomb);
    hand->Give(1, New<DummyLockedPiece>());
    hand->Give(2, New<DummyUnlockPiece>());
    hand->Give(3, New<DummyForceNormal>());
    ActiveOverrides.AddLast(hand);

    EXPECT_EQ(level.NewPiece(0, 0), bomb);
    EXPECT_EQ(bomb->CreatedByOverride, 1);
    Ref<Piece> locked = level.NewPiece(1, 0);
    EXPECT_TRUE(locked->Normal());
    EXPECT_EQ(locked->Locked, 1);
    EXPECT_EQ(locked->CreatedByOverride, 0);
    Ref<Piece> key = level.NewPiece(2, 0);
    EXPECT_TRUE(key->Normal());
    EXPECT_EQ(key->Unlocker, 1);
    EXPECT_EQ(key->Locked, 0);
    EXPECT_TRUE(level.NewPiece(3, 0)->Normal());
    EXPECT_TRUE(IsKind<StonePiece>(level.NewPiece(3, 0))); // handed over once only

    ActiveOverrides.AddFirst(New<AllGaps>());
    EXPECT_EQ(level.NewPiece(0, 0), nullptr);
}

TEST_F(NewPieces, AReachedQuotaMarksTheLastRowAndStillMakesPieces) {
    Level& level = test::SelectTestLevel(4, 3);
    level._Quota = 10;
    QuotaCollected = 9;
    EXPECT_TRUE(level.NewPiece(0, 0));
    EXPECT_EQ(level.LastRowComplete, 0);
    QuotaCollected = 10;
    EXPECT_TRUE(level.NewPiece(0, 0));
    EXPECT_EQ(level.LastRowComplete, 1);
}

TEST_F(NewPieces, StonesAndRainbowsComeByTheirPerMilleAndRainbowsThinOut) {
    Level& level = test::SelectTestLevel(4, 3);
    level.StonePieceFrequency = 1001;
    EXPECT_TRUE(IsKind<StonePiece>(level.NewPiece(0, 0)));
    EXPECT_TRUE(level.NewPiece(0, 1)->Normal()); // forced normal
    level.StonePieceFrequency = 0;
    level.RainbowFrequency = 1001;
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(IsKind<RainbowPiece>(level.NewPiece(0, 0)));
    BuildBoard({"....", "R..."});
    int rainbows = 0;
    for (int i = 0; i < 400; ++i) rainbows += IsKind<RainbowPiece>(level.NewPiece(0, 0)) ? 1 : 0;
    EXPECT_GT(rainbows, 150); // about one in two with one on the board
    EXPECT_LT(rainbows, 250);
}

TEST_F(NewPieces, LaterLevelsRaiseTheirSpecialFrequenciesForGood) {
    Level& level = test::SelectTestLevel(4, 3);
    level.n = 23;
    level.NewPiece(0, 1); // forced normal: no special rule, nothing raised
    EXPECT_EQ(level.BombFrequency + level.StonePieceFrequency + level.DestroyVerticalFrequency, 0);
    level.NewPiece(0, 0);
    EXPECT_EQ(level.BombFrequency, 1);
    EXPECT_EQ(level.StonePieceFrequency, 2);
    EXPECT_EQ(level.EarthquakeFrequency, 1);
    EXPECT_EQ(level.DestroyHorizontalFrequency, 1);
    EXPECT_EQ(level.DestroyVerticalFrequency, 1);

    struct Case {
        int n, bomb, stone, quake, horizontal, vertical;
    };
    for (Case c : {Case{2, 0, 0, 0, 0, 0}, Case{3, 0, 0, 0, 0, 1}, Case{11, 0, 2, 0, 0, 1},
                   Case{12, 1, 2, 0, 0, 1}, Case{16, 1, 2, 0, 1, 1}}) {
        Level fresh;
        fresh.n = c.n;
        fresh.Colors = {3};
        fresh.NewPiece(0, 0);
        EXPECT_EQ((std::vector<int>{fresh.BombFrequency, fresh.StonePieceFrequency, fresh.EarthquakeFrequency,
                                    fresh.DestroyHorizontalFrequency, fresh.DestroyVerticalFrequency}),
                  (std::vector<int>{c.bomb, c.stone, c.quake, c.horizontal, c.vertical}))
            << c.n;
    }
    // A level's own higher value stays.
    level.BombFrequency = 40;
    level.NewPiece(0, 0);
    EXPECT_EQ(level.BombFrequency, 40);
}

TEST_F(NewPieces, SpecialsAreTriedGemFirstAndTheirTemplatesAreReplaced) {
    Level& level = test::SelectTestLevel(4, 3);
    level.BombFrequency = 5001;
    level.GemFrequency = 5001;
    Ref<Piece> gemTemplate = SpecialTemplate(kSpecialGem);
    Ref<Piece> gem = level.NewPiece(0, 0);
    EXPECT_EQ(gem, gemTemplate);
    EXPECT_EQ(gem->CreatedWithLogic, 1);
    EXPECT_NE(SpecialTemplate(kSpecialGem), gemTemplate);
    EXPECT_EQ(SpecialTemplate(kSpecialGem)->CreatedWithLogic, 0);
    level.GemFrequency = 0;
    EXPECT_TRUE(IsKind<Bomb>(level.NewPiece(0, 0)));
    // The extra-life frequency plays no part.
    level.BombFrequency = 0;
    level.ExtraLifeFrequency = 5001;
    EXPECT_TRUE(level.NewPiece(0, 0)->Normal());
}

TEST_F(NewPieces, ASecondSpecialWaitsUntilTheFirstHasTravelled) {
    test::SelectTestLevel(4, 3);
    // None on the board: random 1..5000 below the frequency.
    Bomb first;
    for (int seed = 1; seed < 30; ++seed) {
        SeedRandom(seed);
        int roll = RandomInt(1, 5000);
        SeedRandom(seed);
        EXPECT_EQ(SpecialRuleAllows(first, 2500), roll < 2500 ? 1 : 0);
    }
    // One on the board at row 0: only a roll of 20 in 1..20.
    BuildBoard({"B...", "...."});
    PieceAt(0, 0)->CreatedWithLogic = 1;
    for (int seed = 1; seed < 200; ++seed) {
        Bomb second;
        SeedRandom(seed);
        int roll = RandomInt(1, 20);
        SeedRandom(seed);
        EXPECT_EQ(SpecialRuleAllows(second, 1), roll == 20 ? 1 : 0);
        EXPECT_EQ(second.CreatedWithLogic, roll == 20 ? 1 : 0);
    }
    // From row 7 on it is certain; at row 6 nineteen in twenty.
    BuildBoard({"....", "....", "....", "....", "....", "....", "....", "B..."});
    PieceAt(0, 7)->CreatedWithLogic = 1;
    for (int i = 0; i < 100; ++i) {
        Bomb b;
        EXPECT_EQ(SpecialRuleAllows(b, 1), 1);
    }
    // A bomb not placed by the rule does not count; two that were stop it.
    BuildBoard({"B.B."});
    Bomb free;
    EXPECT_EQ(SpecialRuleAllows(free, 5001), 1);
    PieceAt(0, 0)->CreatedWithLogic = PieceAt(2, 0)->CreatedWithLogic = 1;
    for (int i = 0; i < 50; ++i) {
        Bomb b;
        EXPECT_EQ(SpecialRuleAllows(b, 5001), 0);
    }
}

TEST_F(NewPieces, AGemOnTheBoardIsAnsweredByAPick) {
    Level& level = test::SelectTestLevel(4, 3);
    level.GemFrequency = 5001;
    BuildBoard({"....", "....", "....", "....", "....", "....", "....", "G..."});
    PieceAt(0, 7)->CreatedWithLogic = 1;
    Ref<Piece> gemTemplate = SpecialTemplate(kSpecialGem);
    auto pick = std::dynamic_pointer_cast<GemPiece>(level.NewPiece(1, 0));
    ASSERT_TRUE(pick);
    EXPECT_EQ(pick->Pick, 1);
    EXPECT_EQ(pick->CreatedWithLogic, 1);
    EXPECT_NE(pick, gemTemplate);
    EXPECT_EQ(SpecialTemplate(kSpecialGem), gemTemplate); // the template waits
    // With a pick on the board the next one is a gem again.
    BuildBoard({"....", "....", "....", "....", "....", "....", "....", "P..."});
    PieceAt(0, 7)->CreatedWithLogic = 1;
    auto gem = std::dynamic_pointer_cast<GemPiece>(level.NewPiece(1, 0));
    ASSERT_TRUE(gem);
    EXPECT_EQ(gem->Pick, 0);
    EXPECT_EQ(NextGemIsPick, 0);
}

} // namespace
} // namespace wispwood
