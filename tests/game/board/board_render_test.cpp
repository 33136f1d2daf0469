// Drawing with the generated pieces on the headless display.
#include "engine/draw/graphics.h"
#include "engine/draw/pixmap_loader.h"
#include "engine/io/file_system.h"
#include "engine/io/random.h"
#include "framework/draw_state/draw_state.h"
#include "game/board/board_frame.h"
#include "game/board/board_render.h"
#include "game/board/defined_levels.h"
#include "game/board/level_set.h"
#include "game/board/marker_pieces.h"
#include "game/board/match_availability.h"
#include "game/board/path_search.h"
#include "game/board/piece_definition.h"
#include "game/board/piece_factory.h"
#include "game/board/piece_images.h"
#include "game/board/reachability.h"
#include "tests/support/ascii_board.h"
#include "tests/support/headless_display.h"
#include "tests/support/paths.h"
#include <optional>
#include <set>

namespace wispwood {
namespace {

class BoardRender : public test::BoardTest {
  protected:
    std::optional<test::WorkingFolder> game;
    void SetUp() override {
        test::BoardTest::SetUp();
        ASSERT_TRUE(test::OpenHeadlessDisplay());
        TDrawState::Reset();
        // The generated media tree, as the game finds it.
        ASSERT_TRUE(game.emplace(test::GamePath("")).Entered());
        ASSERT_EQ(PathKind("media/blocks/big/yellow.png"), 1) << "the media tree has not been generated";
        LoadPieceImages();
        auto level = New<Level>();
        level->PieceImages = StandardPieceImages;
        level->PieceWidth = level->PieceHeight = 48;
        CurrentLevelSet = New<LevelSet>();
        CurrentLevelSet->Levels.push_back(level);
        SelectLevel(0);
    }
    void TearDown() override {
        game.reset();
        test::BoardTest::TearDown();
    }
    static void Clear() {
        SetClsColor(20, 24, 40);
        Cls();
    }
    static Text OutputPath(const Text& name) {
        Text folder = Text(WISPWOOD_BINARY_DIR) + "/test-output";
        CreateDir(folder, 1);
        return folder + "/" + name + ".png";
    }
    // Brightness of the pixel: the sum of its three channels.
    static int Light(const Ref<TPixmap>& screen, int x, int y) {
        int argb = screen->ReadPixel(x, y);
        return (argb >> 16 & 255) + (argb >> 8 & 255) + (argb & 255);
    }
};

TEST_F(BoardRender, LoaderFillsEveryPictureTheBoardDraws) {
    for (const auto& def : StandardPieceDefinitions) {
        EXPECT_EQ(ImageFrameCount(def->image), 25) << def->name;
        EXPECT_TRUE(def->Particle) << def->name;
    }
    EXPECT_EQ(BonusPieceImages.size(), 2u);
    EXPECT_EQ(ImageFrameCount(BlockImages.ComboGold), 25);
    EXPECT_EQ(ImageFrameCount(BlockImages.Crumbling), 2);
    EXPECT_GT(ImageFrameCount(BlockImages.Bomb), 1);
    for (const auto& image : {BlockImages.Lock, BlockImages.Key, BlockImages.Stone, BlockImages.Rainbow,
                              BlockImages.BlockLocked, BlockImages.DestroyLocked, BlockImages.PathCorner,
                              BlockImages.PathStraight, BlockImages.Vine.Head[3],
                              BlockImages.Vine.BodyCorner[3], BoardFrameImages.Left, BoardFrameImages.Right})
        EXPECT_TRUE(image);
}

TEST_F(BoardRender, RevealedPiecesShineAndHiddenOnesStayDark) {
    test::BuildBoard({"..", "11"});
    Ref<Piece> dark = PieceAt(0, 1), lit = PieceAt(1, 1);
    lit->BottomFadeIn = 48; // frame 24: the face fully turned
    dark->BottomFadeIn = 0; // frame 0, brightness 80
    Clear();
    RenderBoard(false);
    auto screen = test::GrabScreen();
    int y = dark->GetY() + BoardTop() + 26;
    int darkLight = Light(screen, BoardLeft() + 26, y);
    int litLight = Light(screen, BoardLeft() + 48 + 26, y);
    EXPECT_GT(litLight, darkLight + 100);
    EXPECT_FLOAT_EQ(lit->LastDrawnx, 48);
    EXPECT_FLOAT_EQ(lit->LastDrawnY, 48);

    // A lifted piece is drawn up and left by its height.
    lit->Height = 2;
    RenderBoard(false);
    EXPECT_FLOAT_EQ(lit->LastDrawnx, 46);
}

TEST_F(BoardRender, OverlaysAndGoldDrawOverThePiece) {
    test::BuildBoard({"..", ".1"});
    Ref<Piece> p = PieceAt(1, 1);
    p->BottomFadeIn = 48;
    int cx = BoardLeft() + 48 + 24, cy = BoardTop() + 48 + 24;
    auto centre = [&] {
        Clear();
        RenderBoard(false);
        return test::GrabScreen()->ReadPixel(cx, cy);
    };
    int plain = centre();
    p->Locked = 1;
    int locked = centre();
    EXPECT_NE(locked, plain);
    p->Locked = 0;
    p->Unlocker = 1;
    EXPECT_NE(centre(), plain);
    p->Unlocker = 0;
    p->IsGold = 22; // fully crossed over to the gold shimmer
    int gold = centre();
    EXPECT_NE(gold, plain);
    // While the piece fades in from its creation it is fainter.
    p->IsGold = 0;
    p->CreationShine = 49;
    EXPECT_NE(centre(), plain);
}

TEST_F(BoardRender, ALayoutBoardWithASelectionAndItsPath) {
    // Level 8's hand-drawn board, its last twelve lines on screen rows 1-12.
    ASSERT_EQ(LoadPredefinedLevels(), 1);
    Ref<PredefinedLevel> layout = PredefinedLevelFor(8);
    ASSERT_TRUE(layout);
    PrepareVines(*layout);
    ResetBoardGrid(layout->Width, 32);
    CurrentLevel->_Width = layout->Width;
    SeedRandom(8);
    int shift = layout->Height - 12;
    for (int row = shift; row < layout->Height; ++row)
        for (int col = 0; col < layout->Width; ++col) {
            Text code = layout->GetPiece(col, row);
            if (code == kEmptyCellCode) continue;
            Ref<Piece> p = PieceFromLayoutCode(code);
            // The row generator's part, here by hand: markers and "nx" become
            // standard pieces of the level's colours.
            if (!p || IsKind<DummyForceNormal>(p) || IsKind<DummyLockedPiece>(p) ||
                IsKind<DummyUnlockPiece>(p)) {
                Ref<Piece> standard = NewStandardPiece(RandomInt(0, 3));
                standard->Locked = IsKind<DummyLockedPiece>(p) ? 1 : 0;
                standard->Unlocker = IsKind<DummyUnlockPiece>(p) ? 1 : 0;
                p = standard;
            }
            p->x = col;
            p->y = row - shift + 1;
            Board(p->x, p->y) = p;
        }
    // The two bottom corners get the same colour, kept apart from their
    // neighbours: the selection and the hovered match.
    const int corner[][3] = {{0, 12, 0}, {1, 12, 1}, {0, 11, 2}, {1, 11, 3},
                             {8, 12, 0}, {7, 12, 2}, {8, 11, 1}, {7, 11, 3}};
    for (auto [x, y, colour] : corner) {
        ASSERT_TRUE(PieceAt(x, y)) << x << "," << y;
        PieceAt(x, y)->Color = colour;
        PieceAt(x, y)->UpdateImage();
        PieceAt(x, y)->OldImage = nullptr;
    }
    FindReachablePieces();
    ForEachPiece([](const Ref<Piece>& p) {
        if (!p->Bottom) return;
        p->BottomDelay = 0;
        p->BottomFadeIn = 48;
    });
    GroupPair pair{PiecesOfGroup(PieceAt(0, 12)->BottomGroupID),
                   PiecesOfGroup(PieceAt(8, 12)->BottomGroupID)};
    ASSERT_EQ(pair.size(), 2u);
    for (const auto& p : pair[0]) {
        p->MahjongOver = 1;
        for (int i = 0; i < 20; ++i) p->UpdateHeight();
    }
    pair[0][0]->MahjongOverCenter = 1;
    for (const auto& p : pair[1]) p->mover = 1;
    ComputeMatchPath(0);
    ASSERT_TRUE(CurrentPath);
    ASSERT_GE(CurrentPath->Distance, 1);
    CurrentPath->MaxTicks();
    SnapBoardFrame();

    Clear();
    RenderBoard(false);
    RenderBoardFrame();
    auto withoutPath = test::GrabScreen();
    RenderPaths();
    auto screen = test::GrabScreen();
    EXPECT_EQ(SavePixmapPNG(screen, OutputPath("board-layout-path")), 1);

    // The path lights its own cells and nothing else.
    std::set<std::pair<int, int>> tileCells;
    for (const auto& tile : CurrentPath->Tiles()) tileCells.insert({tile.x, tile.y});
    ASSERT_FALSE(tileCells.empty());
    int lit = 0, strayed = 0;
    for (int y = 0; y < 600; y += 2)
        for (int x = 0; x < 800; x += 2) {
            if (screen->ReadPixel(x, y) == withoutPath->ReadPixel(x, y)) continue;
            int cx = (x - BoardLeft()) / CellWidth,
                cy = (y - BoardTop() - static_cast<int>(ScrollOffset)) / CellHeight;
            bool inTile = x >= BoardLeft() && tileCells.count({cx, cy});
            (inTile ? lit : strayed) += 1;
            if (inTile) {
                EXPECT_GE(Light(screen, x, y), Light(withoutPath, x, y));
            }
        }
    EXPECT_GT(lit, 20 * static_cast<int>(tileCells.size()));
    EXPECT_EQ(strayed, 0);
    // The frame stands just outside the board on both sides.
    EXPECT_NE(Light(screen, BoardLeft() - 8, 300), Light(screen, BoardLeft() - 40, 300));
}

} // namespace
} // namespace wispwood
