// The hand-drawn boards: one section per location, cells the reader knows,
// locks that stay locked until their flower or lock bursts, whole vines,
// held fairies, and the pieces each lesson points at.
#include "tests/tools/data/data_files.h"

#include "engine/io/text_convert.h"
#include "game/board/defined_levels.h"
#include "game/board/vine_pieces.h"
#include <cstdio>
#include <gtest/gtest.h>
#include <queue>
#include <set>

namespace wispwood::datatest {
namespace {

const std::vector<LayoutGrid>& Layouts() {
    static const std::vector<LayoutGrid> layouts = ReadLayouts();
    return layouts;
}

bool IsVine(const Text& cell) {
    return !cell.empty() && (cell[0] == 'v' || cell[0] == 'c');
}
bool IsLocked(const Text& cell) {
    return cell == "l";
}
bool IsUnlocker(const Text& cell) {
    return cell == "dl" || cell == "lk";
}
// Cells that always become a plain coloured piece ("nx" may become a special).
bool IsPlain(const Text& cell) {
    return cell.size() == 2 && cell[0] == 'n' && (cell[1] == 'y' || (cell[1] >= '0' && cell[1] <= '7'));
}

int VineNeighbours(const LayoutGrid& g, int x, int y) {
    return IsVine(g.At(x, y + 1)) + IsVine(g.At(x - 1, y)) + IsVine(g.At(x, y - 1)) + IsVine(g.At(x + 1, y));
}

TEST(Layouts, OneSectionPerLocationInOrder) {
    ASSERT_EQ(Layouts().size(), 100u);
    for (int n = 0; n < 100; ++n) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "level%03d", n);
        EXPECT_EQ(Layouts()[n].name, expected);
    }
}

TEST(Layouts, EveryLayoutFitsItsLocationAndUsesKnownCells) {
    auto file = ReadSectioned("definedlevels.txt");
    const std::set<Text> known = {"",  "nx", "ny", "n0", "n1", "n2", "n3", "n4", "n5", "n6", "n7",
                                  "v", "c",  "l",  "dl", "lk", "k",  "h",  "dh", "dv", "b",  "s"};
    int drawn = 0;
    for (const auto& g : Layouts()) {
        if (g.Empty()) continue;
        ++drawn;
        SCOPED_TRACE(g.name);
        int n = static_cast<int>(&g - &Layouts()[0]);
        EXPECT_EQ(g.width, ShippedLocations()[n].Width());
        EXPECT_GE(g.height, 1);
        EXPECT_TRUE(g.repeatMode >= 0 && g.repeatMode <= 2);
        if (!g.successor.empty()) {
            int pattern = GapPatternByName(g.successor);
            EXPECT_NE(pattern, 0) << g.successor;
            EXPECT_TRUE(GapPatternFits(pattern, g.width)) << g.successor;
        }
        file->SetNode(g.name);
        // Full rows without blanks: blanks at either end would be trimmed
        // away and shift the row.
        for (int y = 0; y < g.height; ++y) {
            Text line = file->GetData("Line" + IntToText(y));
            EXPECT_EQ(line.size(), static_cast<size_t>(2 * g.width)) << "Line" << y;
            EXPECT_EQ(line.find(' '), Text::npos) << "Line" << y;
        }
        EXPECT_EQ(file->DataExists("Line" + IntToText(g.height)), 0);
        for (const auto& row : g.cells)
            for (const Text& cell : row) {
                // Vines are drawn as bare chains; their shapes are derived.
                Text code = IsVine(cell) ? Text(1, cell[0]) : cell;
                EXPECT_TRUE(known.count(code)) << "unknown cell \"" << cell << "\"";
            }
    }
    EXPECT_GE(drawn, 20);
}

TEST(Layouts, EveryCellBecomesThePieceItDraws) {
    // Read and prepared as the game does: vine chains get their heads and
    // bends, and every cell but a hole or "nx" makes a piece.
    auto file = ReadSectioned("definedlevels.txt");
    for (const auto& level : ReadPredefinedLevels(*file)) {
        if (level->IsEmpty()) continue;
        SCOPED_TRACE(level->Name);
        auto drawn = level->Pieces;
        PrepareVines(*level);
        for (int y = 0; y < level->Height; ++y)
            for (int x = 0; x < level->Width; ++x) {
                const Text& cell = level->GetPiece(x, y);
                if (IsVine(drawn[y][x])) {
                    auto vine = Cast<VineBase>(PieceFromLayoutCode(cell));
                    ASSERT_TRUE(vine) << "the vine cell at " << x << "," << y << " was dropped";
                    if (IsKind<VineBody>(vine)) {
                        EXPECT_GE(vine->Overlay, 1);
                        EXPECT_LE(vine->Overlay, 7);
                    }
                    EXPECT_EQ(vine->HasCoin, drawn[y][x][0] == 'c' ? 1 : 0);
                } else if (cell != kEmptyCellCode && cell != "nx") {
                    EXPECT_NE(PieceFromLayoutCode(cell), nullptr) << x << "," << y << ": " << cell;
                }
            }
    }
}

TEST(Layouts, LockedPiecesStayLockedUntilTheirFlowerOrLockBursts) {
    // Locks open at once when their connected locked region holds no flower
    // or lock. Rows arrive bottom line first, so a locked cell must reach an
    // unlocker through locked cells on its own line or lines below it.
    for (const auto& g : Layouts()) {
        int n = static_cast<int>(&g - &Layouts()[0]);
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x) {
                if (!IsLocked(g.At(x, y))) continue;
                auto unlocks = [&](int cx, int cy) {
                    // Location 6's opening layout puts the lesson's flower
                    // at the foot of the board.
                    if (n == 6 && cx == 6 && cy == g.height - 1) return true;
                    return IsUnlocker(g.At(cx, cy));
                };
                std::set<std::pair<int, int>> seen{{x, y}};
                std::queue<std::pair<int, int>> todo;
                todo.push({x, y});
                bool held = false;
                while (!todo.empty() && !held) {
                    auto [cx, cy] = todo.front();
                    todo.pop();
                    const int d[4][2] = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};
                    for (auto& s : d) {
                        int nx = cx + s[0], ny = cy + s[1];
                        if (ny < y || ny >= g.height || nx < 0 || nx >= g.width) continue;
                        if (unlocks(nx, ny)) held = true;
                        if (IsLocked(g.At(nx, ny)) && seen.insert({nx, ny}).second) todo.push({nx, ny});
                    }
                }
                EXPECT_TRUE(held) << g.name << ": the locked cell at " << x << "," << y << " opens at once";
            }
    }
}

TEST(Layouts, VinesAreWholeChainsWithTwoEnds) {
    for (const auto& g : Layouts()) {
        std::set<std::pair<int, int>> seen;
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x) {
                if (!IsVine(g.At(x, y)) || seen.count({x, y})) continue;
                // A link with no or three neighbours is dropped by the reader.
                int heads = 0;
                std::queue<std::pair<int, int>> todo;
                todo.push({x, y});
                seen.insert({x, y});
                while (!todo.empty()) {
                    auto [cx, cy] = todo.front();
                    todo.pop();
                    int k = VineNeighbours(g, cx, cy);
                    EXPECT_TRUE(k == 1 || k == 2) << g.name << " at " << cx << "," << cy;
                    heads += k == 1;
                    const int d[4][2] = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};
                    for (auto& s : d)
                        if (IsVine(g.At(cx + s[0], cy + s[1])) && seen.insert({cx + s[0], cy + s[1]}).second)
                            todo.push({cx + s[0], cy + s[1]});
                }
                EXPECT_EQ(heads, 2) << g.name << ": the vine at " << x << "," << y;
            }
    }
}

TEST(Layouts, FairyTilesAreHeldByPlainPiecesBesideThem) {
    // A fairy tile with no plain neighbour flies off as soon as it arrives.
    for (const auto& g : Layouts())
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x)
                if (g.At(x, y) == "h") {
                    EXPECT_TRUE(IsPlain(g.At(x - 1, y)) || IsPlain(g.At(x + 1, y)))
                        << g.name << " at " << x << "," << y;
                }
}

TEST(Layouts, LessonBoardsHoldWhatTheLessonsPointAt) {
    const auto& l = Layouts();
    ASSERT_EQ(l.size(), 100u);
    // Keys: the lesson points at the lock at (3, 9) and the key at (6, 9).
    {
        const auto& g = l[19];
        EXPECT_EQ(g.rawCells[g.height - 1][3], "lk");
        EXPECT_EQ(g.rawCells[g.height - 1][6], "k`");
    }
    // Flowers: the lesson's flower comes at (6, 9) under a locked cap, and
    // nothing else but the group at the left is in reach, so the lesson
    // pairs those two.
    {
        const auto& g = l[6];
        int bottom = g.height - 1;
        for (auto [x, y] : {std::pair{4, bottom}, {5, bottom}, {7, bottom}, {8, bottom}, {6, bottom - 1}})
            EXPECT_TRUE(IsLocked(g.At(x, y))) << x << "," << y;
    }
    // Vines: the lesson looks for a matching pair of specials in reach, so
    // the bottom line holds one vine's two ends and nothing else special.
    for (int n : {8, 33}) {
        const auto& g = l[n];
        SCOPED_TRACE(g.name);
        int bottom = g.height - 1, heads = 0;
        for (int x = 0; x < g.width; ++x) {
            const Text& cell = g.At(x, bottom);
            if (IsVine(cell)) {
                EXPECT_EQ(VineNeighbours(g, x, bottom), 1);
                ++heads;
            } else {
                EXPECT_TRUE(cell.empty() || cell == "ny") << "column " << x << ": " << cell;
            }
        }
        EXPECT_EQ(heads, 2);
    }
}

} // namespace
} // namespace wispwood::datatest
