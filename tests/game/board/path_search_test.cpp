#include "game/board/path_search.h"
#include "game/board/piece.h"
#include "game/board/piece_definition.h"
#include "game/board/reachability.h"
#include "tests/support/ascii_board.h"
#include <cmath>
#include <tuple>

namespace wispwood {
namespace {

using test::BuildBoard;

using CellList = std::vector<std::pair<int, int>>;

CellList StepsOf(const PathPossibility& path) {
    CellList cells;
    for (int i = 0; i < path.CurrentStep; ++i) cells.emplace_back(path.Steps[i].x, path.Steps[i].y);
    return cells;
}

class PathSearch : public test::BoardTest {
  protected:
    void Select(int x, int y) { PieceAt(x, y)->MahjongOver = 1; }
    void Hover(int x, int y) { PieceAt(x, y)->mover = 1; }
    Ref<PathPossibility> Search() {
        FindReachablePieces();
        ComputeMatchPath(0);
        return CurrentPath;
    }
    // Selects one piece, hovers another and searches.
    Ref<PathPossibility> Join(int sx, int sy, int hx, int hy) {
        Select(sx, sy);
        Hover(hx, hy);
        return Search();
    }
};

TEST_F(PathSearch, AdjacentPiecesJoinInTwoStepsWithNoTiles) {
    BuildBoard({"1", "1"});
    auto path = Join(0, 0, 0, 1);
    ASSERT_TRUE(path);
    EXPECT_EQ(path->Distance, 0);
    EXPECT_EQ(StepsOf(*path), (CellList{{0, 1}, {0, 0}}));
    EXPECT_TRUE(path->Tiles().empty());
    EXPECT_EQ(path->PathTileDelay(), 0.0f);
}

TEST_F(PathSearch, HoveringTheSelectedGroupGivesAZeroLengthPath) {
    BuildBoard({"11."});
    Select(0, 0);
    Select(1, 0);
    Hover(0, 0);
    Hover(1, 0);
    auto path = Search();
    ASSERT_TRUE(path);
    EXPECT_EQ(path->Distance, 0);
    // The first destination in grid order enters through its own cell.
    EXPECT_EQ(StepsOf(*path), (CellList{{0, 0}, {0, 0}}));
    EXPECT_TRUE(path->Tiles().empty());
}

TEST_F(PathSearch, EqualRoutesGoToTheFirstCandidateWhenTurnsTie) {
    BuildBoard({
        "1..",
        "..1",
    });
    auto path = Join(0, 0, 2, 1);
    ASSERT_TRUE(path);
    EXPECT_EQ(path->Distance, 2);
    EXPECT_EQ(path->Turns, 1);
    // Entering from the left beats entering from above.
    EXPECT_EQ(StepsOf(*path), (CellList{{2, 1}, {1, 1}, {0, 1}, {0, 0}}));
}

TEST_F(PathSearch, FewerTurnsBeatCreationOrder) {
    BuildBoard({
        "...2",
        "31..",
        ".3.1",
    });
    auto path = Join(1, 1, 3, 2);
    ASSERT_TRUE(path);
    EXPECT_EQ(path->Distance, 2);
    // From the left the trace zigzags (two turns); from above it turns once.
    EXPECT_EQ(path->Turns, 1);
    EXPECT_EQ(StepsOf(*path), (CellList{{3, 2}, {3, 1}, {2, 1}, {1, 1}}));
    auto tiles = path->Tiles();
    ASSERT_EQ(tiles.size(), 2u);
    // (3,1): joins below and left -> corner rotated 180.
    EXPECT_EQ(tiles[0].corner, 1);
    EXPECT_EQ(tiles[0].rotation, 180.0f);
    // (2,1): joins right and left -> straight rotated 90.
    EXPECT_EQ(tiles[1].corner, 0);
    EXPECT_EQ(tiles[1].rotation, 90.0f);
}

TEST_F(PathSearch, RoutesRunThroughAnyEmptyCellAndNeedOne) {
    // The pocket between the two is not open to the bottom; the route does
    // not ask.
    BuildBoard({
        "1.1",
        "222",
    });
    auto path = Join(0, 0, 2, 0);
    ASSERT_TRUE(path);
    EXPECT_EQ(path->Distance, 1);
    EXPECT_EQ(StepsOf(*path), (CellList{{2, 0}, {1, 0}, {0, 0}}));

    // Walled in: no route at all.
    BuildBoard({
        "121",
        "222",
        "...",
    });
    EXPECT_EQ(Join(0, 0, 2, 0), nullptr);
}

TEST_F(PathSearch, NoSelectionOrNoMatchingHoverMeansNoPath) {
    BuildBoard({"1.2", "...", "1.."});
    Hover(0, 2);
    EXPECT_EQ(Search(), nullptr);
    Select(2, 0);
    EXPECT_EQ(Search(), nullptr); // colour 2 selected, colour 1 hovered
    PieceAt(2, 0)->MahjongOver = 0;
    Select(0, 0);
    EXPECT_NE(Search(), nullptr);
}

TEST_F(PathSearch, TintComesFromTheSourceColourUnlessARainbowOrPowerupIsInvolved) {
    PieceDefinitions = CreatePieceDefinitionSet(StandardColourNames());
    PieceDefinitions[1]->r = 10;
    PieceDefinitions[1]->g = 20;
    PieceDefinitions[1]->b = 30;
    BuildBoard({"1.1"});
    auto path = Join(0, 0, 2, 0);
    ASSERT_TRUE(path);
    EXPECT_EQ(std::tie(path->r, path->g, path->b, path->Rainbow), std::make_tuple(10, 20, 30, 0));

    // An equal path would keep the one shown, tint and all.
    ResetPaths();
    BuildBoard({"R.1"});
    path = Join(0, 0, 2, 0);
    ASSERT_TRUE(path);
    EXPECT_EQ(path->Rainbow, 1);

    ResetPaths();
    BuildBoard({"1.R"});
    path = Join(0, 0, 2, 0);
    ASSERT_TRUE(path);
    EXPECT_EQ(path->Rainbow, 1); // a rainbow at either end

    ResetPaths();
    BuildBoard({"B.B"});
    path = Join(0, 0, 2, 0);
    ASSERT_TRUE(path);
    EXPECT_EQ(std::tie(path->r, path->g, path->b, path->Rainbow), std::make_tuple(255, 255, 255, 0));
}

TEST_F(PathSearch, AnUnchangedPathKeepsGrowingAndAReplacedOneFades) {
    BuildBoard({"1..", "...", "..1"});
    auto first = Join(0, 0, 2, 2);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Ticks, 0);
    Search();
    Search();
    EXPECT_EQ(CurrentPath, first);
    EXPECT_EQ(first->Ticks, 2);

    PieceAt(2, 2)->mover = 0;
    Search();
    EXPECT_EQ(CurrentPath, nullptr);
    ASSERT_EQ(FadingPaths.Count(), 1);
    for (int i = 0; i < 20; ++i) Search();
    EXPECT_EQ(first->TicksOut, 20);
    EXPECT_EQ(FadingPaths.Count(), 1);
    Search();
    EXPECT_EQ(FadingPaths.Count(), 0);
}

TEST_F(PathSearch, PathsFollowTheBoardDown) {
    BuildBoard({"1.1"});
    auto path = Join(0, 0, 2, 0);
    ASSERT_TRUE(path);
    FadingPaths.AddLast(New<PathPossibility>(*path));
    MovePathsDown();
    EXPECT_EQ(StepsOf(*path), (CellList{{2, 1}, {1, 1}, {0, 1}}));
    EXPECT_EQ(path->SourceY, 1);
    EXPECT_EQ(path->SquareY, 1);
    EXPECT_EQ(FadingPaths.First()->Steps[1].y, 1);
}

TEST_F(PathSearch, TilesGrowFromTheSourceOneEveryDelay) {
    PathPossibility path;
    path.Distance = 3;
    path.Steps.assign(5, PathStep{});
    for (int i = 0; i < 5; ++i) path.AddStep(i, 0); // a straight run to the right
    path.AddStep(9, 9);                             // no room for more
    EXPECT_EQ(path.CurrentStep, 5);
    float d = path.PathTileDelay();
    EXPECT_NEAR(d, (20 + std::log(30.0)) / 3, 1e-5);
    path.Ticks = 0;
    auto tiles = path.Tiles();
    ASSERT_EQ(tiles.size(), 3u);
    for (const auto& t : tiles) {
        EXPECT_EQ(t.corner, 0);
        EXPECT_EQ(t.rotation, 90.0f);
    }
    // alpha = 2 clamp((Ticks - 4 + i d) / 5): the last tile (nearest the
    // source) is furthest along.
    EXPECT_NEAR(tiles[0].alpha, 2 * std::clamp((0 - 4 + 1 * d) / 5, 0.0f, 1.0f), 1e-5);
    EXPECT_GT(tiles[2].alpha, tiles[0].alpha);
    path.MaxTicks();
    for (const auto& t : path.Tiles()) EXPECT_EQ(t.alpha, 2.0f);
    EXPECT_EQ(PathPossibility::Num(PathStep{1, 1}, PathStep{0, 1}), 4);
    EXPECT_EQ(PathPossibility::Num(PathStep{1, 1}, PathStep{2, 1}), 2);
    EXPECT_EQ(PathPossibility::Num(PathStep{1, 1}, PathStep{1, 0}), 1);
    EXPECT_EQ(PathPossibility::Num(PathStep{1, 1}, PathStep{1, 2}), 3);
    EXPECT_EQ(PathPossibility::Num(PathStep{1, 1}, PathStep{1, 1}), 0);
}

TEST_F(PathSearch, CornerTilesTurnWithTheirNeighbours) {
    // Steps around a square: up-right, right-down, down-left, left-up.
    PathPossibility path;
    path.Distance = 4;
    path.Steps.assign(6, PathStep{});
    for (auto [x, y] : CellList{{0, 1}, {0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}}) path.AddStep(x, y);
    auto tiles = path.Tiles();
    ASSERT_EQ(tiles.size(), 4u);
    // (0,0): below and right -> corner 90. (1,0): left and below -> 180.
    // (1,1): above and left -> 270. (0,1): right and above -> 0.
    EXPECT_EQ(tiles[0].rotation, 90.0f);
    EXPECT_EQ(tiles[1].rotation, 180.0f);
    EXPECT_EQ(tiles[2].rotation, 270.0f);
    EXPECT_EQ(tiles[3].rotation, 0.0f);
    for (const auto& t : tiles) EXPECT_EQ(t.corner, 1);
}

TEST_F(PathSearch, HintModeJoinsTheHintGroups) {
    BuildBoard({"1.2", "...", "2.1"});
    HintGroups = {{PieceAt(0, 0)}, {PieceAt(2, 2)}};
    FindReachablePieces();
    ComputeMatchPath(1);
    ASSERT_TRUE(HintPath);
    EXPECT_EQ(HintPath->Distance, 3);
    EXPECT_EQ(CurrentPath, nullptr);
    HintGroups.clear();
    ComputeMatchPath(1);
    EXPECT_EQ(HintPath, nullptr);
    EXPECT_EQ(FadingPaths.Count(), 1);
}

} // namespace
} // namespace wispwood
