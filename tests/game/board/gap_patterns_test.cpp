#include "engine/io/random.h"
#include "game/board/board.h"
#include "game/board/creation_override.h"
#include "game/board/gap_patterns.h"
#include "game/board/vine_patterns.h"
#include "tests/support/row_world.h"
#include <set>

namespace wispwood {
namespace {

using test::Picture;

class GapPatterns : public test::RowsTest {
  protected:
    // Rows y = 0, 1, ... of the pattern on a board of that width ('#' gap);
    // row y = k lies on the board directly above row k - 1.
    static Picture Rows(GapCreationOverrideBase& pattern, int width, int rows) {
        ResetBoardGrid(width, 32);
        Picture picture;
        for (int y = 0; y < rows; ++y) {
            pattern.y = y;
            Text line;
            for (int x = 0; x < width; ++x) line += pattern.IsGap(x) ? '#' : '.';
            picture.push_back(line);
        }
        return picture;
    }
};

struct GapCase {
    const char* name;
    Ref<GapCreationOverrideBase> (*make)();
    int width;
    Picture rows;
};

template <class P>
Ref<GapCreationOverrideBase> Make() {
    return New<P>();
}

TEST_F(GapPatterns, CutTheirGapsByRowCounterAndWidth) {
    const GapCase cases[] = {
        {"Holey",
         Make<Holey>,
         11,
         {"...........", ".#.#.#.#.#.", "...........", "...........", "...........", "...........",
          "#.#.#.#.#.#", "...........", "...........", "...........", "...........", ".#.#.#.#.#."}},
        {"AlternatingSideMissing",
         Make<AlternatingSideMissing>,
         11,
         {"#..........", "...........", "...........", "..........#", "..........#", "...........",
          "...........", "#..........", "#.........."}},
        {"SimpleSideMissing",
         Make<SimpleSideMissing>,
         11,
         {"#.........#", "...........", "...........", "#.........#", "#.........#"}},
        {"DoubleWingSides",
         Make<DoubleWingSides>,
         11,
         {"##.......##", "#.........#", "...........", "...........", "...........", "#.........#",
          "##.......##"}},
        {"SingleWingSides",
         Make<SingleWingsides>,
         11,
         {"##.........", "#..........", "...........", "..........#", ".........##", "..........#",
          "...........", "#..........", "##........."}},
        {"TetrisPiece",
         Make<TetrisPiece>,
         11,
         {"#.........#", ".....#.....", "....###....", ".....#.....", "...........", "...........",
          "#.........#", "##.......##", "#.........#"}},
        {"LineGap odd", Make<LineGap>, 11, {"...........", "...#####...", "...........", "...#####..."}},
        {"LineGap even", Make<LineGap>, 10, {"..........", "...####...", ".........."}},
        {"VerticalGap", Make<VerticalGap>, 9, {"....#....", "....#....", "....#...."}},
        {"VerticalDoubleGap 11", Make<VerticalDoubleGap>, 11, {"...#...#...", "...#...#..."}},
        {"VerticalDoubleGap 13", Make<VerticalDoubleGap>, 13, {"...#.....#..."}},
        {"VerticalDoubleGap 16", Make<VerticalDoubleGap>, 16, {"....#......#...."}},
        {"SimpleHover",
         Make<SimpleHover>,
         11,
         {"...........", "...........", ".......###.", "...........", "...........", ".###.......",
          "...........", "...........", "...........", "...........", ".......###."}},
    };
    for (const auto& c : cases) {
        Ref<GapCreationOverrideBase> pattern = c.make();
        EXPECT_EQ(Rows(*pattern, c.width, static_cast<int>(c.rows.size())), c.rows) << c.name;
    }
}

TEST_F(GapPatterns, SuitOnlyTheBoardWidthsTheyAreDrawnFor) {
    struct SizeCase {
        Ref<GapCreationOverrideBase> pattern;
        std::vector<int> fits, misfits;
    };
    const SizeCase cases[] = {
        {New<Holey>(), {9, 11}, {10, 16}},
        {New<AlternatingSideMissing>(), {5, 10, 16}, {}},
        {New<SimpleSideMissing>(), {5, 10, 16}, {}},
        {New<DoubleWingSides>(), {7, 16}, {6}},
        {New<SingleWingsides>(), {6, 16}, {5}},
        {New<TetrisPiece>(), {9, 11, 15}, {7, 10, 16}},
        {New<LineGap>(), {9, 10}, {8}},
        {New<VerticalGap>(), {7, 9}, {5, 8}},
        {New<VerticalDoubleGap>(), {11, 13}, {9, 12}},
        {New<ChunkGap>(), {9, 16}, {8}},
    };
    for (const auto& c : cases) {
        for (int w : c.fits) EXPECT_EQ(c.pattern->ValidSize(w), 1) << c.pattern->Name() << " " << w;
        for (int w : c.misfits) EXPECT_EQ(c.pattern->ValidSize(w), 0) << c.pattern->Name() << " " << w;
    }
}

TEST_F(GapPatterns, ChunkGapCutsAPlusEveryFiveRowsAtANewPlace) {
    ResetBoardGrid(12, 32);
    SeedRandom(99);
    ChunkGap chunk;
    std::set<int> places;
    for (int hole = 0; hole < 12; ++hole) {
        chunk.BoardMovedDown(); // a new place: the row counter starts again
        ASSERT_EQ(chunk.y, 0);
        int s = chunk.StartX;
        ASSERT_GE(s, 1);
        ASSERT_LE(s, 12 - 4);
        places.insert(s);
        Picture rows;
        for (int row = 0; row < 5; ++row) {
            Text line;
            for (int x = 0; x < 12; ++x) line += chunk.IsGap(x) ? '#' : '.';
            rows.push_back(line);
            if (row < 4) chunk.BoardMovedDown();
        }
        Text none(12, '.'), stem = none, bar = none;
        stem[s + 1] = '#';
        bar[s] = bar[s + 1] = bar[s + 2] = '#';
        EXPECT_EQ(rows, (Picture{none, stem, bar, stem, none}));
    }
    EXPECT_GT(places.size(), 3u);
}

TEST_F(GapPatterns, CataloguesFollowTheNumbersOfTheLocationFile) {
    const char* gaps[] = {
        "ChunkGap",          "DoubleWingSides", "LineGap",           "SingleWingSides",        "TetrisPiece",
        "VerticalDoubleGap", "VerticalGap",     "SimpleSideMissing", "AlternatingSideMissing", "Holey"};
    for (int i = 1; i <= 10; ++i) {
        ASSERT_TRUE(GapCatalogueEntry(i)) << i;
        EXPECT_EQ(GapCatalogueEntry(i)->Name(), gaps[i - 1]);
        EXPECT_EQ(GapCatalogueEntry(i), GapCatalogueEntry(i)) << "one shared instance";
    }
    const char* vines[] = {"CurvyLeftVine", "CurvyRightVine", "CurvyAlternateVine", "BlockyAlternating",
                           "SimpleHover"};
    for (int i = 1; i <= 5; ++i) {
        ASSERT_TRUE(VineCatalogueEntry(i)) << i;
        EXPECT_EQ(VineCatalogueEntry(i)->Name(), vines[i - 1]);
    }
    // Numbers outside the catalogues mean none.
    for (int i : {0, 11, -1, 1000}) EXPECT_EQ(GapCatalogueEntry(i), nullptr) << i;
    for (int i : {0, 6, -3}) EXPECT_EQ(VineCatalogueEntry(i), nullptr) << i;

    EXPECT_EQ(GapPatternNamed("  singlewingsides "), GapCatalogueEntry(4));
    EXPECT_EQ(GapPatternNamed("SimpleHover"), nullptr); // a vine pattern, not a gap
    EXPECT_EQ(GapPatternNamed(""), nullptr);
}

} // namespace
} // namespace wispwood
