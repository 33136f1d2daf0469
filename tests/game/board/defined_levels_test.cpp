#include "engine/io/memory_stream.h"
#include "framework/data/section_file.h"
#include "game/board/defined_levels.h"
#include "game/board/hover_piece.h"
#include "game/board/lock_piece.h"
#include "game/board/marker_pieces.h"
#include "game/board/powerup.h"
#include "game/board/stone_pieces.h"
#include "game/board/vine_pieces.h"
#include "tests/support/ascii_board.h"
#include "tests/support/paths.h"

namespace wispwood {
namespace {

class DefinedLevels : public test::BoardTest {
  protected:
    std::vector<Ref<PredefinedLevel>> Parse(const Text& text) {
        TMemoryStream stream(text);
        auto file = GameFile::Create("definedlevels.txt");
        file->Data = GameFileTextDriver::ReadStream(stream);
        return ReadPredefinedLevels(*file);
    }
    static std::vector<Text> Row(PredefinedLevel& level, int row) {
        std::vector<Text> cells;
        for (int col = 0; col < level.Width; ++col) cells.push_back(level.GetPiece(col, row));
        return cells;
    }
};

TEST_F(DefinedLevels, RowsAreCutIntoTwoCharacterCellsWithoutBackquotes) {
    auto levels = Parse("[level000]\n\n[level001]\nName = flowers\nWidth = 3\nHeight = 3\nRepeatMode = 2\n"
                        "Successor = SimpleSideMissing\nLine0 = n0n1b`\nLine1 = ``nx\nLine2 = n2n3n4n5\n");
    ASSERT_EQ(levels.size(), 2u);
    EXPECT_EQ(levels[0]->IsEmpty(), 1);
    PredefinedLevel& level = *levels[1];
    EXPECT_EQ(level.Name, "flowers");
    EXPECT_EQ(level.RepeatMode, 2);
    EXPECT_EQ(level.RepeatSuccessor, "SimpleSideMissing");
    EXPECT_EQ(Row(level, 0), (std::vector<Text>{"n0", "n1", "b"}));
    // A hole, then a short line's missing cell: both empty.
    EXPECT_EQ(Row(level, 1), (std::vector<Text>{"  ", "nx", "  "}));
    // Characters past the width are ignored.
    EXPECT_EQ(Row(level, 2), (std::vector<Text>{"n2", "n3", "n4"}));
    EXPECT_EQ(level.GetPiece(3, 0), "  ");
    EXPECT_EQ(level.GetPiece(0, 3), "  ");
    EXPECT_EQ(level.GetPiece(-1, 0), "  ");
    EXPECT_EQ(level.IsEmpty(), 0);

    // The documented example: colour 0, colour 1 and a bomb.
    EXPECT_EQ(PieceFromLayoutCode(level.GetPiece(0, 0))->Color, 0);
    EXPECT_EQ(PieceFromLayoutCode(level.GetPiece(1, 0))->Color, 1);
    EXPECT_TRUE(IsKind<Bomb>(PieceFromLayoutCode(level.GetPiece(2, 0))));
}

TEST_F(DefinedLevels, SizesFromTheFileAreBounded) {
    auto levels =
        Parse("[a]\nWidth = -4\nHeight = 2\n[b]\nWidth = 2\nHeight = -1\n[c]\nWidth = 99999\nHeight = 1\n");
    ASSERT_EQ(levels.size(), 3u);
    EXPECT_EQ(levels[0]->Width, 0);
    EXPECT_EQ(levels[0]->Pieces.size(), 2u);
    EXPECT_EQ(levels[0]->IsEmpty(), 1);
    EXPECT_EQ(levels[1]->Height, 0);
    EXPECT_TRUE(levels[1]->Pieces.empty());
    EXPECT_LE(levels[2]->Width, 256);
}

TEST_F(DefinedLevels, CellCodesMakeTheirPiecesAndNothingElse) {
    EXPECT_EQ(PieceFromLayoutCode("nx"), nullptr);
    EXPECT_EQ(PieceFromLayoutCode("  "), nullptr);
    EXPECT_TRUE(IsKind<DummyForceNormal>(PieceFromLayoutCode("ny")));
    EXPECT_EQ(PieceFromLayoutCode("n7")->Color, 7);
    EXPECT_EQ(PieceFromLayoutCode("n7")->Name, "standard");
    // Colours past the standard ones would index past every colour table.
    EXPECT_EQ(PieceFromLayoutCode("n8"), nullptr);
    EXPECT_EQ(PieceFromLayoutCode("n9"), nullptr);
    EXPECT_EQ(PieceFromLayoutCode("n"), nullptr);
    EXPECT_EQ(PieceFromLayoutCode("nz"), nullptr);
    EXPECT_TRUE(IsKind<DummyLockedPiece>(PieceFromLayoutCode("l")));
    EXPECT_TRUE(IsKind<DummyUnlockPiece>(PieceFromLayoutCode("dl")));
    auto lock = Cast<LockPiece>(PieceFromLayoutCode("lk"));
    ASSERT_TRUE(lock);
    EXPECT_EQ(lock->Unlocker, 1);
    auto key = Cast<LockPiece>(PieceFromLayoutCode("k"));
    ASSERT_TRUE(key);
    EXPECT_EQ(key->Unlocker, 0);
    EXPECT_TRUE(IsKind<HoverPiece>(PieceFromLayoutCode("h")));
    EXPECT_TRUE(IsKind<DestroyHorizontalPiece>(PieceFromLayoutCode("dh")));
    EXPECT_TRUE(IsKind<DestroyVerticalPiece>(PieceFromLayoutCode("dv")));
    EXPECT_TRUE(IsKind<StonePiece>(PieceFromLayoutCode("s")));
    EXPECT_EQ(PieceFromLayoutCode("q"), nullptr);
    EXPECT_EQ(PieceFromLayoutCode("lx"), nullptr);

    const std::pair<const char*, int> heads[] = {{"vu", 2}, {"vd", 0}, {"vl", 1}, {"vr", 3}};
    for (auto [code, direction] : heads) {
        auto head = Cast<VineHead>(PieceFromLayoutCode(code));
        ASSERT_TRUE(head) << code;
        EXPECT_EQ(head->Overlay, direction) << code;
        EXPECT_EQ(head->HasCoin, 0);
    }
    auto body = Cast<VineBody>(PieceFromLayoutCode("c6"));
    ASSERT_TRUE(body);
    EXPECT_EQ(body->Overlay, 6);
    EXPECT_EQ(body->HasCoin, 1);
    EXPECT_EQ(Cast<VineHead>(PieceFromLayoutCode("cl"))->HasCoin, 1);
}

TEST_F(DefinedLevels, VinesAreDerivedFromTheirNeighbours) {
    auto levels = Parse("[v]\nWidth = 5\nHeight = 5\n"
                        "Line0 = v`````````\n"
                        "Line1 = ````v`````\n"
                        "Line2 = ````v`c`nx\n"
                        "Line3 = ``v`v`v```\n"
                        "Line4 = ````v`````\n");
    PredefinedLevel& level = *levels[0];
    PrepareVines(level);
    EXPECT_EQ(level._Processed, 1);
    EXPECT_EQ(Row(level, 0), (std::vector<Text>{"  ", "  ", "  ", "  ", "  "})); // alone: gone
    EXPECT_EQ(Row(level, 1), (std::vector<Text>{"  ", "  ", "vd", "  ", "  "}));
    // Three neighbours: gone. Below and left: a bend, keeping its coin.
    EXPECT_EQ(Row(level, 2), (std::vector<Text>{"  ", "  ", "  ", "c6", "nx"}));
    EXPECT_EQ(Row(level, 3), (std::vector<Text>{"  ", "vr", "v3", "v7", "  "}));
    EXPECT_EQ(Row(level, 4), (std::vector<Text>{"  ", "  ", "vu", "  ", "  "}));

    // A U: heads at the tips, straight runs take their axis.
    levels = Parse("[l]\nWidth = 4\nHeight = 3\nLine0 = v`````c`\nLine1 = v`````v`\nLine2 = v`v`v`v`\n");
    PredefinedLevel& l = *levels[0];
    PrepareVines(l);
    EXPECT_EQ(Row(l, 0), (std::vector<Text>{"vd", "  ", "  ", "cd"}));
    EXPECT_EQ(Row(l, 1), (std::vector<Text>{"v1", "  ", "  ", "v1"}));
    EXPECT_EQ(Row(l, 2), (std::vector<Text>{"v4", "v2", "v2", "v7"}));
    // An L of three: two heads and a bend.
    levels = Parse("[l]\nWidth = 2\nHeight = 2\nLine0 = v`v`\nLine1 = v```\n");
    PrepareVines(*levels[0]);
    EXPECT_EQ(Row(*levels[0], 0), (std::vector<Text>{"v5", "vl"}));
    EXPECT_EQ(Row(*levels[0], 1), (std::vector<Text>{"vu", "  "}));
    // Prepared once: a second call changes nothing.
    levels[0]->Pieces[0][0] = "v";
    PrepareVines(*levels[0]);
    EXPECT_EQ(levels[0]->GetPiece(0, 0), "v");
}

TEST_F(DefinedLevels, LayoutsAreFoundByPositionAndByName) {
    ASSERT_EQ(LoadPredefinedLevels(test::SourcePath("data/media/definedlevels.txt")), 1);
    ASSERT_EQ(PredefinedLevels.Count(), 100);
    EXPECT_EQ(PredefinedLevelFor(0), nullptr); // an empty entry
    Ref<PredefinedLevel> six = PredefinedLevelFor(6);
    ASSERT_TRUE(six);
    EXPECT_EQ(FindPredefinedLevel("  FLOWERS006 "), six);
    EXPECT_EQ(FindPredefinedLevel("nothing"), nullptr);
    // A location without an entry has no layout.
    EXPECT_EQ(PredefinedLevelFor(100), nullptr);
    EXPECT_EQ(PredefinedLevelFor(-1), nullptr);

    EXPECT_EQ(LoadPredefinedLevels("/nonexistent/definedlevels.txt"), 0);
    EXPECT_EQ(PredefinedLevels.Count(), 0);
    EXPECT_EQ(PredefinedLevelFor(6), nullptr);
}

} // namespace
} // namespace wispwood
