#include "game/board/board.h"
#include "game/board/hover_piece.h"
#include "game/board/vine_patterns.h"
#include "game/board/vine_pieces.h"
#include "tests/support/row_world.h"
#include <map>

namespace wispwood {
namespace {

using test::Picture;

// Directions: 0 below, 1 left, 2 above, 3 right.
const int kDx[4] = {0, -1, 0, 1};
const int kDy[4] = {1, 0, -1, 0};

// The directions a vine piece joins: a head its one, a body its shape's two
// (or four).
std::vector<int> Links(const VineBase& v) {
    if (IsKind<VineHead>(&v)) return {v.Overlay};
    static const std::map<int, std::vector<int>> shapes = {
        {1, {0, 2}}, {2, {1, 3}}, {3, {0, 1, 2, 3}}, {4, {2, 3}}, {5, {3, 0}}, {6, {0, 1}}, {7, {1, 2}}};
    auto it = shapes.find(v.Overlay);
    return it == shapes.end() ? std::vector<int>{} : it->second;
}

class VinePatterns : public test::RowsTest {
  protected:
    // Lays rows y = 0 .. rows - 1 of the pattern into the grid the way the
    // generator stacks them: row y = rows - 1 on top, row 0 at the bottom.
    void Lay(GapCreationOverrideBase& pattern, int width, int rows) {
        ResetBoardGrid(width, rows);
        for (int y = 0; y < rows; ++y) {
            pattern.y = y;
            for (int x = 0; x < width; ++x) {
                Ref<Piece> p = pattern.Override(x);
                if (!p) continue;
                int by = rows - 1 - y;
                p->x = x;
                p->y = by;
                Board(x, by) = p;
            }
        }
    }
    // 'h' head, 'b' body, 'H' fairy tile.
    static Picture Draw(int rows) {
        return test::DrawBoard(rows, [](const Piece& p) {
            return IsKind<VineHead>(&p)     ? 'h'
                   : IsKind<VineBody>(&p)   ? 'b'
                   : IsKind<HoverPiece>(&p) ? 'H'
                                            : '?';
        });
    }
};

TEST_F(VinePatterns, EveryLinkOfEveryVineIsAnsweredByItsNeighbour) {
    struct Case {
        Ref<GapCreationOverrideBase> pattern;
        int width;
        int vines; // complete vines in 24 rows
    };
    const Case cases[] = {
        {New<CurvyLeftVine>(), 10, 4},      {New<CurvyRightVine>(), 10, 4},
        {New<CurvyAlternateVine>(), 10, 4}, {New<CurvyAlternateVine>(), 13, 4},
        {New<BlockyAlternating>(), 10, 4},  {New<BlockyAlternating>(), 16, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern->Name() + " width " + std::to_string(c.width));
        Lay(*c.pattern, c.width, 24);
        int heads = 0;
        ForEachPiece([&](const Ref<Piece>& p) {
            auto v = std::dynamic_pointer_cast<VineBase>(p);
            ASSERT_TRUE(v);
            if (IsKind<VineHead>(p)) ++heads;
            std::vector<int> links = Links(*v);
            ASSERT_FALSE(links.empty()) << "shape " << v->Overlay;
            for (int d : links) {
                auto n = std::dynamic_pointer_cast<VineBase>(PieceAt(p->x + kDx[d], p->y + kDy[d]));
                ASSERT_TRUE(n) << "nothing at " << p->x << "," << p->y << " towards " << d;
                std::vector<int> back = Links(*n);
                EXPECT_NE(std::find(back.begin(), back.end(), (d + 2) % 4), back.end())
                    << "no way back to " << p->x << "," << p->y;
            }
        });
        EXPECT_EQ(heads, 2 * c.vines);
    }
}

TEST_F(VinePatterns, CurvyVinesHugTheirEdges) {
    CurvyLeftVine left;
    Lay(left, 8, 6);
    EXPECT_EQ(Draw(6), (Picture{"........", "........", "h.......", "bb......", ".bh.....", "........"}));
    CurvyRightVine right;
    Lay(right, 8, 6);
    EXPECT_EQ(Draw(6), (Picture{"........", "........", ".......h", "......bb", ".....hb.", "........"}));
    // The alternating one runs along the left, then mirrored along the right.
    CurvyAlternateVine alternate;
    Lay(alternate, 8, 12);
    EXPECT_EQ(Draw(12), (Picture{"...hbbb.", "......bb", ".......b", "......bb", ".....hb.", "........",
                                 ".bbbh...", "bb......", "b.......", "bb......", ".bh.....", "........"}));
}

TEST_F(VinePatterns, FairyTilesHangUnderAGapNearOneSideThenTheOther) {
    SimpleHover hover;
    ResetBoardGrid(11, 32);
    std::vector<std::pair<int, int>> tiles; // (y, x)
    for (int y = 0; y < 16; ++y) {
        hover.y = y;
        for (int x = 0; x < 11; ++x) {
            if (Ref<Piece> p = hover.Override(x)) {
                EXPECT_TRUE(IsKind<HoverPiece>(p));
                EXPECT_EQ(hover.IsGap(x), 0);
                tiles.emplace_back(y, x);
            }
        }
    }
    EXPECT_EQ(tiles, (std::vector<std::pair<int, int>>{{1, 8}, {4, 2}, {9, 8}, {12, 2}}));
    // The next row, which lies over each tile, is open above it and at its sides.
    for (auto [y, x] : tiles) {
        hover.y = y + 1;
        for (int dx = -1; dx <= 1; ++dx) EXPECT_EQ(hover.IsGap(x + dx), 1) << y << "," << x + dx;
    }
}

} // namespace
} // namespace wispwood
