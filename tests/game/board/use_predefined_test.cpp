#include "game/board/board.h"
#include "game/board/creation_override.h"
#include "game/board/defined_levels.h"
#include "game/board/gap_patterns.h"
#include "game/board/level_set.h"
#include "game/board/marker_pieces.h"
#include "game/board/powerup.h"
#include "game/board/use_predefined.h"
#include "game/board/vine_patterns.h"
#include "game/board/vine_pieces.h"
#include "tests/support/row_world.h"

namespace wispwood {
namespace {

// A layout from rows of two-character cells, top row first.
Ref<PredefinedLevel> Layout(const Text& name, const std::vector<Text>& lines, int mode = kTilePlayOnce,
                            const Text& successor = "") {
    auto level = New<PredefinedLevel>();
    level->Name = name;
    level->Height = static_cast<int>(lines.size());
    level->Width = lines.empty() ? 0 : static_cast<int>(lines[0].size() / 2);
    for (const Text& line : lines) {
        std::vector<Text> cells;
        for (size_t i = 0; i + 1 < line.size(); i += 2) cells.push_back(line.substr(i, 2));
        level->Pieces.push_back(cells);
    }
    level->RepeatMode = mode;
    level->RepeatSuccessor = successor;
    return level;
}

class UsingPredefined : public test::RowsTest {
  protected:
    // The layout line used for rows y = 0 .. count - 1.
    static std::vector<int> Lines(UsePredefined& use, int count) {
        std::vector<int> lines;
        for (int y = 0; y < count; ++y) {
            use.y = y;
            lines.push_back(use.LevelY());
        }
        return lines;
    }
};

TEST_F(UsingPredefined, TileModesMapRowsToLayoutLinesLastLineFirst) {
    auto use = MakeUsePredefined(Layout("three", {"n0", "n1", "n2"}));
    use->TileMode = kTileRepeat;
    EXPECT_EQ(Lines(*use, 7), (std::vector<int>{2, 1, 0, 2, 1, 0, 2}));
    use->TileMode = kTileBackAndForth;
    EXPECT_EQ(Lines(*use, 9), (std::vector<int>{2, 1, 0, 1, 2, 1, 0, 1, 2}));
    use->TileMode = kTilePlayOnce;
    EXPECT_EQ(Lines(*use, 5), (std::vector<int>{2, 1, 0, -1, -1}));
    use->TileMode = 7; // an unknown mode stays on the last line
    EXPECT_EQ(Lines(*use, 3), (std::vector<int>{2, 2, 2}));
}

TEST_F(UsingPredefined, AOneLineLayoutGoingBackAndForthRepeatsItsLine) {
    auto use = MakeUsePredefined(Layout("one", {"n0n1"}, kTileBackAndForth));
    EXPECT_EQ(Lines(*use, 4), (std::vector<int>{0, 0, 0, 0}));
    auto empty = MakeUsePredefined(Layout("none", {}, kTileRepeat));
    EXPECT_EQ(Lines(*empty, 2), (std::vector<int>{-1, -1}));
    EXPECT_EQ(empty->IsGap(0), 0);
    EXPECT_EQ(empty->Override(0), nullptr);
}

TEST_F(UsingPredefined, CodesGivePiecesAndBlanksGiveGaps) {
    ResetBoardGrid(4, 32);
    auto use = MakeUsePredefined(Layout("codes", {"n3b ny  ", "l dlnxdv"}));
    // Row 0 comes from the last line.
    EXPECT_TRUE(IsKind<DummyLockedPiece>(use->Override(0)));
    EXPECT_TRUE(IsKind<DummyUnlockPiece>(use->Override(1)));
    EXPECT_EQ(use->Override(2), nullptr); // "nx": no piece of its own
    EXPECT_EQ(use->IsGap(2), 0);
    EXPECT_TRUE(IsKind<DestroyVerticalPiece>(use->Override(3)));
    use->BoardMovedDown();
    Ref<Piece> three = use->Override(0);
    ASSERT_TRUE(three);
    EXPECT_EQ(three->Color, 3);
    EXPECT_TRUE(IsKind<DummyForceNormal>(use->Override(2)));
    EXPECT_EQ(use->IsGap(3), 1);
    EXPECT_EQ(use->IsGap(4), 1); // beyond the layout
    EXPECT_EQ(use->ValidSize(4), 1);
    EXPECT_EQ(use->ValidSize(5), 0);
    EXPECT_EQ(use->Name(), "codes");
}

TEST_F(UsingPredefined, VineChainsArePreparedBeforeTheFirstRow) {
    // An L of three vine cells: two heads and a bend.
    auto use = MakeUsePredefined(Layout("vines", {"v v ", "v   "}));
    auto bottom = std::dynamic_pointer_cast<VineHead>(use->Override(0));
    ASSERT_TRUE(bottom);
    EXPECT_EQ(bottom->Overlay, 2); // its body is above
    use->BoardMovedDown();
    auto bend = std::dynamic_pointer_cast<VineBody>(use->Override(0));
    ASSERT_TRUE(bend);
    EXPECT_EQ(bend->Overlay, 5); // right and below
    auto head = std::dynamic_pointer_cast<VineHead>(use->Override(1));
    ASSERT_TRUE(head);
    EXPECT_EQ(head->Overlay, 1);
}

TEST_F(UsingPredefined, TheNamedGapPatternTakesOverOnceTheLayoutHasRunOut) {
    ResetBoardGrid(9, 32);
    auto use = MakeUsePredefined(
        Layout("short", {"n0n0n0n0n0n0n0n0n0", "n1n1n1n1n1n1n1n1n1"}, kTilePlayOnce, "  verticalGAP "));
    ASSERT_EQ(use->Successor, GapCatalogueEntry(7));
    EXPECT_EQ(use->IsGap(4), 0);
    use->BoardMovedDown();
    EXPECT_EQ(use->IsGap(4), 0);
    use->BoardMovedDown();
    EXPECT_EQ(use->IsGap(4), 1); // the vertical gap's middle column
    EXPECT_EQ(use->IsGap(3), 0);
    EXPECT_EQ(use->Override(3), nullptr);

    // The successor counts its rows from the first one it decides.
    auto holey = MakeUsePredefined(Layout("h", {"n0n0n0", "n0n0n0"}, kTilePlayOnce, "Holey"));
    auto successor = holey->Successor;
    ASSERT_TRUE(successor);
    successor->y = 40;
    holey = MakeUsePredefined(Layout("h", {"n0n0n0", "n0n0n0"}, kTilePlayOnce, "Holey"));
    EXPECT_EQ(successor->y, 0);
    std::vector<int> counts;
    for (int row = 0; row < 5; ++row) {
        counts.push_back(successor->y);
        holey->BoardMovedDown();
    }
    EXPECT_EQ(counts, (std::vector<int>{0, 0, 0, 1, 2}));

    EXPECT_EQ(MakeUsePredefined(Layout("x", {"n0"}, kTilePlayOnce, "nothing"))->Successor, nullptr);
}

TEST_F(UsingPredefined, ALayoutIsFoundByNameWhenOnlyTheNameIsGiven) {
    PredefinedLevels.AddLast(Layout(" Garden ", {"b "}));
    UsePredefined use;
    use.PredefinedName = "garden";
    EXPECT_TRUE(IsKind<Bomb>(use.Override(0)));
    EXPECT_EQ(use.IsGap(1), 1);
    UsePredefined missing;
    missing.PredefinedName = "meadow";
    EXPECT_EQ(missing.LevelY(), -1);
    EXPECT_EQ(missing.Override(0), nullptr);
}

class LevelOverrides : public test::RowsTest {};

TEST_F(LevelOverrides, ALevelWithALayoutUsesItAlone) {
    PredefinedLevels.AddLast(Layout("zero", {"  "}));
    PredefinedLevels.AddLast(Layout("one", {"n1n1"}, kTileRepeat));
    Level& level = test::SelectTestLevel(8, 3);
    level.n = 1;
    level.CreationOverride = 3;
    level.VineCreationOverride = 2;
    StartLevelOverrides();
    ASSERT_EQ(ActiveOverrides.Count(), 1);
    auto use = std::dynamic_pointer_cast<UsePredefined>(ActiveOverrides.First());
    ASSERT_TRUE(use);
    EXPECT_EQ(use->Name(), "one");
    EXPECT_EQ(use->TileMode, kTileRepeat);

    // Level 0's layout is empty, so its patterns apply, reset.
    level.n = 0;
    GapCatalogueEntry(3)->y = 17;
    StartLevelOverrides();
    ASSERT_EQ(ActiveOverrides.Count(), 2);
    EXPECT_EQ(ActiveOverrides.First(), GapCatalogueEntry(3));
    EXPECT_EQ(GapCatalogueEntry(3)->y, 0);
    EXPECT_EQ(ActiveOverrides.Last(), VineCatalogueEntry(2));
}

TEST_F(LevelOverrides, PatternNumbersOutsideTheCataloguesMeanNone) {
    Level& level = test::SelectTestLevel(8, 3);
    for (auto [gap, vine] : std::vector<std::pair<int, int>>{{0, 0}, {11, 6}, {-1, -2}}) {
        level.CreationOverride = gap;
        level.VineCreationOverride = vine;
        StartLevelOverrides();
        EXPECT_EQ(ActiveOverrides.Count(), 0) << gap << " " << vine;
    }
    level.CreationOverride = 0;
    level.VineCreationOverride = 5;
    StartLevelOverrides();
    ASSERT_EQ(ActiveOverrides.Count(), 1);
    EXPECT_EQ(ActiveOverrides.First()->IsGap(0), 0);
}

} // namespace
} // namespace wispwood
