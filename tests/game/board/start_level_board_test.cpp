#include "game/board/board.h"
#include "game/board/column_stacks.h"
#include "game/board/creation_override.h"
#include "game/board/gem_piece.h"
#include "game/board/hover_piece.h"
#include "game/board/level_set.h"
#include "game/board/powerup.h"
#include "game/board/rainbow_piece.h"
#include "game/board/scroll.h"
#include "game/board/start_level_board.h"
#include "game/board/stone_pieces.h"
#include "game/services/start_flags.h"
#include "tests/support/row_world.h"

namespace wispwood {
namespace {

class StartingBoard : public test::RowsTest {
  protected:
    Level& Start(int n, int width, Ref<Level> level = nullptr) {
        Level& l = test::SelectTestLevel(width, 5, level);
        l.n = n;
        ResetBoardGrid(3, 3); // the start re-creates it
        StartLevelOverrides();
        StartLevelBoard(0);
        return l;
    }
    static int FilledRows() {
        int rows = 0;
        for (int y = 0; y < BoardHeight; ++y)
            if (test::RowColours(y) != Text(BoardWidth, '.')) rows = y + 1;
        return rows;
    }
};

// The kind a tutorial code asks for.
bool HasKind(const Ref<Piece>& p, int code) {
    switch (code) {
    case kTutorialDestroyVertical:
        return IsKind<DestroyVerticalPiece>(p);
    case kTutorialHover:
        return IsKind<HoverPiece>(p);
    case kTutorialBomb:
        return IsKind<Bomb>(p);
    case kTutorialExtraLife:
        return IsKind<ExtraLife>(p);
    case kTutorialEarthquake:
        return IsKind<Earthquake>(p);
    case kTutorialDestroyHorizontal:
        return IsKind<DestroyHorizontalPiece>(p);
    case kTutorialPick:
        return IsKind<GemPiece>(p) && std::dynamic_pointer_cast<GemPiece>(p)->Pick == 1;
    case kTutorialGem:
        return IsKind<GemPiece>(p) && std::dynamic_pointer_cast<GemPiece>(p)->Pick == 0;
    case kTutorialRainbow:
        return IsKind<RainbowPiece>(p);
    case kTutorialStone:
        return IsKind<StonePiece>(p);
    case kTutorialUnlocker:
        return p->Normal() && p->Color == 0 && p->Unlocker == 1;
    default:
        return p->Normal() && p->Color == code;
    }
}

TEST_F(StartingBoard, TenRowsAreMadeAndTheStackStandsJustShortOfACell) {
    GapCatalogueEntry(7); // VerticalGap
    Level& level = test::SelectTestLevel(9, 5);
    level.n = 3;
    level.CreationOverride = 7;
    ResetBoardGrid(3, 3);
    StartLevelOverrides();
    StartLevelBoard(0);
    EXPECT_EQ(BoardWidth, 9);
    EXPECT_EQ(BoardHeight, 32);
    EXPECT_EQ(ColumnStacks.size(), 9u);
    EXPECT_FLOAT_EQ(ScrollOffset, 47);
    EXPECT_EQ(FilledRows(), 10);
    for (int y = 0; y < 10; ++y) {
        EXPECT_EQ(test::RowColours(y)[4], '.') << "the vertical gap, row " << y;
        for (int x = 0; x < 9; ++x) {
            Ref<Piece> p = PieceAt(x, y);
            if (!p) continue;
            EXPECT_EQ(p->x, x);
            EXPECT_EQ(p->y, y);
            EXPECT_EQ(p->CreatedByTutorial, 0);
        }
    }
    // The pattern has counted the ten rows.
    EXPECT_EQ(GapCatalogueEntry(7)->y, 10);
}

TEST_F(StartingBoard, ARetryOrABonusLevelStartsEmpty) {
    test::SelectTestLevel(8, 5);
    StartLevelBoard(1);
    EXPECT_EQ(FilledRows(), 0);
    EXPECT_FLOAT_EQ(CurrentSpeed, 1.25f);
    EXPECT_EQ(BoardWidth, 8);
    CurrentSpeed = 0.3f;
    test::SelectTestLevel(10, 5, New<BonusLevel>());
    StartLevelBoard(0);
    EXPECT_EQ(FilledRows(), 0);
    EXPECT_EQ(BoardWidth, 10);
    EXPECT_FLOAT_EQ(CurrentSpeed, 0.3f);
}

TEST_F(StartingBoard, TutorialLayoutsDictateTheLowestFiveRows) {
    const int levels[] = {0, 1, 2, 4, 6, 11, 13, 15, 16, 22, 26};
    for (int n : levels) {
        const TutorialLayout* layout = TutorialLayoutFor(n);
        ASSERT_TRUE(layout) << n;
        ASSERT_EQ(layout->size(), 5u);
        int width = static_cast<int>((*layout)[0].size());
        SCOPED_TRACE("level " + std::to_string(n) + " width " + std::to_string(width));
        Start(n, width);
        EXPECT_LE(FilledRows(), 10);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < width; ++x) {
                ASSERT_TRUE(PieceAt(x, y));
                EXPECT_EQ(PieceAt(x, y)->CreatedByTutorial, 0);
            }
        // Layout row r ends up at board row 5 + r.
        for (int r = 0; r < 5; ++r) {
            const std::vector<int>& codes = (*layout)[r];
            for (int x = 0; x < width && x < static_cast<int>(codes.size()); ++x) {
                Ref<Piece> p = PieceAt(x, 5 + r);
                int code = codes[x];
                if (code == kTutorialEmpty) {
                    EXPECT_FALSE(p) << x << "," << 5 + r;
                    continue;
                }
                ASSERT_TRUE(p) << x << "," << 5 + r;
                EXPECT_EQ(p->x, x);
                EXPECT_EQ(p->y, 5 + r);
                if (code == kTutorialKeep) {
                    EXPECT_EQ(p->CreatedByTutorial, 0);
                    EXPECT_TRUE(p->Normal()) << "generated with specials held back";
                } else {
                    EXPECT_TRUE(HasKind(p, code)) << x << "," << 5 + r << " code " << code;
                    EXPECT_EQ(p->CreatedByTutorial, 1);
                }
            }
        }
    }
    EXPECT_EQ(TutorialLayoutFor(3), nullptr);
    EXPECT_EQ(TutorialLayoutFor(100), nullptr);
}

TEST_F(StartingBoard, TheFirstLessonsBoardReadsAsWritten) {
    Start(0, 8);
    EXPECT_EQ(test::RowColours(7), "11100111");
    EXPECT_EQ(test::RowColours(8), "00011000");
    EXPECT_EQ(test::RowColours(9), "00011000");
    Start(13, 9);
    EXPECT_EQ(test::RowColours(6), "223322333");
    EXPECT_EQ(test::RowColours(9), ".........");
}

TEST_F(StartingBoard, ALayoutNeverFillsACellTheGeneratorLeftEmpty) {
    auto level = New<Level>();
    level->Gaps = 101; // every cell empty
    Start(4, 10, level);
    EXPECT_EQ(FilledRows(), 0);
}

TEST_F(StartingBoard, LayoutsWiderThanTheBoardAreCutAndNarrowerOnesLeaveTheRest) {
    // Level 16's rows run to 13 cells; on 8 columns only the first 8 count.
    Start(16, 8);
    EXPECT_EQ(test::RowColours(6), "22332233");
    // On 14 columns the last cells of the short rows stay generated.
    Start(16, 14);
    EXPECT_EQ(test::RowColours(6).substr(0, 13), "2233223333222");
    EXPECT_NE(test::RowColours(6)[13], '.');
    EXPECT_EQ(PieceAt(13, 6)->CreatedByTutorial, 0);
    EXPECT_EQ(PieceAt(12, 9)->CreatedByTutorial, 0);
}

TEST_F(StartingBoard, ImageCaptureModeSkipsTheLayouts) {
    ImagesMode = 1;
    Start(13, 9);
    EXPECT_EQ(FilledRows(), 10);
    EXPECT_NE(test::RowColours(9), ".........");
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 9; ++x)
            if (Ref<Piece> p = PieceAt(x, y)) {
                EXPECT_EQ(p->CreatedByTutorial, 0);
            }
}

} // namespace
} // namespace wispwood
