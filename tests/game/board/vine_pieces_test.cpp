// Vines on a drawn board: which heads match, how the fire runs along the
// vine, what sets it off by itself, and what a burnt vine leaves behind.
#include "engine/draw/image.h"
#include "game/board/board_sound.h"
#include "game/board/game_score.h"
#include "game/board/level.h"
#include "game/board/level_set.h"
#include "game/board/piece_images.h"
#include "game/board/piece_match.h"
#include "game/board/vine_coin.h"
#include "game/board/vine_pieces.h"
#include "tests/support/ascii_board.h"
#include <map>

namespace wispwood {
namespace {

using test::BuildBoard;
using test::Picture;

class Vines : public test::BoardTest {
  protected:
    std::vector<Text> sounds;

    void SetUp() override {
        test::BoardTest::SetUp();
        RecordBoardSounds(&sounds);
        CurrentLevel = New<Level>();
        CurrentLevel->Colors = {4};
    }
    void TearDown() override {
        CurrentLevel = nullptr;
        test::BoardTest::TearDown();
    }

    // Builds the board and gives the vine pieces their shapes: heads and
    // bodies read their shape from the same cell of the shapes picture
    // (a digit; for heads the direction 0 below, 1 left, 2 above, 3 right).
    void Board(const Picture& rows, const Picture& shapes) {
        BuildBoard(rows);
        for (int y = 0; y < static_cast<int>(shapes.size()); ++y)
            for (int x = 0; x < static_cast<int>(shapes[y].size()); ++x)
                if (auto vine = Cast<VineBase>(PieceAt(x, y))) vine->Overlay = shapes[y][x] - '0';
    }
    Ref<VineBase> Vine(int x, int y) { return Cast<VineBase>(PieceAt(x, y)); }

    // Runs board updates and notes the update in which each cell of a row
    // lost its vine piece.
    std::map<int, int> BurnTimes(int row, int updates) {
        std::map<int, int> gone;
        std::vector<int> watched;
        for (int x = 0; x < BoardWidth; ++x)
            if (IsKind<VineBase>(PieceAt(x, row))) watched.push_back(x);
        for (int t = 1; t <= updates; ++t) {
            std::vector<Ref<Piece>> pieces;
            ForEachPiece([&](const Ref<Piece>& p) { pieces.push_back(p); });
            for (const auto& p : pieces) p->Update();
            for (int x : watched)
                if (!gone.count(x) && !IsKind<VineBase>(PieceAt(x, row))) gone[x] = t;
        }
        return gone;
    }
};

// Three rows of plain pieces hold the vines up; the vines hang below row 2,
// where loose ends are checked.
const Picture kHanging = {"1111111", "2222222", "3333333"};

Picture WithRows(Picture rows, const Picture& more) {
    rows.insert(rows.end(), more.begin(), more.end());
    return rows;
}

TEST_F(Vines, OnlyTheTwoHeadsOfOneVineMatch) {
    // Two vines side by side: a U (heads at the top) and a straight one.
    Board(WithRows(kHanging, {"O.O.O=O", "=.=....", "===...."}),
          WithRows({"", "", ""}, {"0.0.321", "1.1....", "427...."}));
    EXPECT_EQ(PiecesMatch(PieceAt(0, 3), PieceAt(2, 3)), 1);
    EXPECT_EQ(PiecesMatch(PieceAt(4, 3), PieceAt(6, 3)), 1);
    EXPECT_EQ(PiecesMatch(PieceAt(0, 3), PieceAt(4, 3)), 0);
    EXPECT_EQ(PiecesMatch(PieceAt(2, 3), PieceAt(6, 3)), 0);
    // A body is never a partner, even of its own head.
    EXPECT_EQ(PiecesMatch(PieceAt(0, 3), PieceAt(0, 4)), 0);
}

TEST_F(Vines, TheSelectedHeadBurnsTheVineLinkByLinkAndTheFarHeadGoesLast) {
    Board(WithRows(kHanging, {"O====O"}), WithRows({"", "", ""}, {"322221"}));
    Ref<VineBase> selected = Vine(0, 3), far = Vine(5, 3);
    selected->MahjongOver = 1;
    selected->MarkForDestruction = 1;
    far->MarkForDestruction = 1;
    // The partner head does nothing by itself: the fire reaches it.
    EXPECT_EQ(far->Activate(), 1);
    EXPECT_EQ(far->MarkForDestruction, 0);
    EXPECT_EQ(PieceAt(5, 3), far);
    EXPECT_TRUE(sounds.empty());

    EXPECT_EQ(selected->Activate(), 1);
    EXPECT_EQ(PieceAt(0, 3), nullptr);
    EXPECT_EQ(sounds, (std::vector<Text>{"media\\sound\\vineactivate.ogg"}));
    // While it burns the vine holds itself up.
    EXPECT_EQ(Vine(1, 3)->BlockGravity(), 1);

    std::map<int, int> gone = BurnTimes(3, 60);
    EXPECT_EQ(gone, (std::map<int, int>{{1, 10}, {2, 20}, {3, 30}, {4, 40}, {5, 50}}));
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), Text("media\\sound\\vineblow.ogg")), 1);
    // Burnt links are gone from the board, not dropped.
    EXPECT_EQ(PieceAt(1, 2)->Color, 3);
}

TEST_F(Vines, AHeadIsActivatedOnlyWhenSelectedOrWhileARainbowIsSelected) {
    Board(WithRows(kHanging, {"O=OR"}), WithRows({"", "", ""}, {"321"}));
    EXPECT_EQ(Vine(0, 3)->Activate(), 1);
    EXPECT_EQ(Vine(0, 3)->_Activated, 0);
    PieceAt(3, 3)->MahjongOver = 1;
    EXPECT_EQ(Vine(0, 3)->Activate(), 1);
    EXPECT_EQ(PieceAt(0, 3), nullptr);
    EXPECT_EQ(Vine(1, 3)->DestroyDelay, 10);
    EXPECT_EQ(Vine(2, 3)->DestroyDelay, 20);
}

TEST_F(Vines, ABodyRemovedByOtherMeansSetsOffBothDirections) {
    Board(WithRows(kHanging, {"O=====O"}), WithRows({"", "", ""}, {"3222221"}));
    Vine(3, 3)->RemoveFromBoard(1);
    EXPECT_EQ(PieceAt(3, 3), nullptr);
    std::vector<int> delays;
    for (int x : {0, 1, 2, 4, 5, 6}) delays.push_back(Vine(x, 3)->DestroyDelay);
    EXPECT_EQ(delays, (std::vector<int>{30, 20, 10, 10, 20, 30}));
    // Activation happens once: a second removal changes nothing.
    Vine(2, 3)->DoActivate(99);
    EXPECT_EQ(Vine(2, 3)->DestroyDelay, 10);
}

TEST_F(Vines, FireFollowsTheShapesNotMereAdjacency) {
    // A vertical body beside a horizontal vine does not catch from it.
    Board(WithRows(kHanging, {"O==O", ".=.."}), WithRows({"", "", ""}, {"3221", ".2.."}));
    Vine(1, 3)->DoActivate(0);
    EXPECT_EQ(Vine(1, 4)->_Activated, 0);
    EXPECT_EQ(Vine(2, 3)->DestroyDelay, 10);
}

TEST_F(Vines, ALooseEndBelowRowTwoIgnitesItselfEveryTenthUpdate) {
    // A vine that lost a head: its open end lights after 10 updates.
    Board(WithRows(kHanging, {"==O"}), WithRows({"", "", ""}, {"221"}));
    std::map<int, int> gone = BurnTimes(3, 45);
    // The links further along had already counted down once in the update
    // that lit the end, so they go one update early.
    EXPECT_EQ(gone, (std::map<int, int>{{0, 20}, {1, 29}, {2, 39}}));

    // The same in row 2 waits: the rows near the top are still arriving.
    Board({"111", "222", "==O"}, {"", "", "221"});
    gone = BurnTimes(2, 100);
    EXPECT_TRUE(gone.empty());
}

TEST_F(Vines, StoneVinesLeaveAStandardPieceInEveryBodyCell) {
    CurrentLevel->BlockProducingVines = 1;
    Board(WithRows(kHanging, {"O===O"}), WithRows({"", "", ""}, {"32221"}));
    Vine(0, 3)->MahjongOver = 1;
    Vine(0, 3)->Activate();
    BurnTimes(3, 45);
    for (int x = 1; x <= 3; ++x) {
        Ref<Piece> block = PieceAt(x, 3);
        ASSERT_TRUE(block) << x;
        EXPECT_EQ(block->Name, "standard");
        EXPECT_GE(block->Color, 0);
        EXPECT_LT(block->Color, 4);
        EXPECT_EQ(block->x, x);
        EXPECT_EQ(block->y, 3);
    }
    EXPECT_EQ(PieceAt(4, 3), nullptr); // heads leave nothing
}

TEST_F(Vines, PicturesFollowTheShapeAndTheLevelsStyle) {
    auto picture = [] { return New<TImage>(); };
    VineImageSet& set = BlockImages.Vine;
    set.BodyStraight[0] = picture();
    set.BodyStraight[1] = picture();
    for (auto& image : set.BodyCorner) image = picture();
    for (auto& image : set.Head) image = picture();
    BlockImages.StoneVineBody = picture();
    BlockImages.StoneVineHead = picture();

    auto body = New<VineBody>();
    std::vector<Ref<TImage>> expected = {nullptr,
                                         set.BodyStraight[0],
                                         set.BodyStraight[1],
                                         set.BodyStraight[0],
                                         set.BodyCorner[0],
                                         set.BodyCorner[1],
                                         set.BodyCorner[2],
                                         set.BodyCorner[3],
                                         nullptr};
    for (int shape = 0; shape <= 8; ++shape) {
        body->Overlay = shape;
        EXPECT_EQ(body->GetImage(), expected[shape]) << shape;
    }
    // A shape without a picture draws nothing, and does not fail.
    body->Overlay = 9;
    body->RenderAt(0, 0);
    EXPECT_EQ(body->Image, nullptr);

    auto head = New<VineHead>();
    head->Overlay = 2;
    EXPECT_EQ(head->GetImage(), set.Head[2]);
    CurrentLevel->BlockProducingVines = 1;
    EXPECT_EQ(head->GetImage(), BlockImages.StoneVineHead);
    body->Overlay = 4;
    EXPECT_EQ(body->GetImage(), BlockImages.StoneVineBody);
    ResetPieceImages();
}

TEST_F(Vines, CoinsRideTheirPiecesAndPayMoreForEachCoinOfARun) {
    Board(WithRows(kHanging, {"O===O"}), WithRows({"", "", ""}, {"32221"}));
    Vine(1, 3)->HasCoin = 1;
    Vine(3, 3)->HasCoin = 1;
    BurnTimes(3, 1);
    ASSERT_EQ(VineCoins.Count(), 2);
    Ref<VineCoin> first = Vine(1, 3)->CoinInstance, second = Vine(3, 3)->CoinInstance;
    // Drawing the piece places its coin.
    Vine(3, 3)->RenderAt(144, 150);
    EXPECT_EQ(second->drawx, 144);
    EXPECT_EQ(second->drawy, 150);

    Vine(0, 3)->MahjongOver = 1;
    Vine(0, 3)->Activate();
    int score = GameScore;
    std::vector<int> payouts;
    for (int t = 0; t < 300; ++t) {
        BurnTimes(3, 1);
        UpdateVineCoins();
        if (GameScore != score) payouts.push_back(GameScore - score), score = GameScore;
    }
    EXPECT_EQ(payouts, (std::vector<int>{150, 200}));
    EXPECT_EQ(first->MyCoinPop, 1);
    EXPECT_EQ(second->MyCoinPop, 2);
    EXPECT_EQ(VineCoins.Count(), 0);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), Text("media\\sound\\vinegold.ogg")), 2);
    // With every coin paid the next release starts a new run.
    UpdateVineCoins();
    EXPECT_EQ(CoinRun, 0);
}

TEST_F(Vines, ACoinWhosePieceDropsOffFadesAway) {
    auto body = New<VineBody>();
    body->HasCoin = 1;
    body->Update();
    ASSERT_EQ(VineCoins.Count(), 1);
    body->OnBoard = 0; // it fell out of the grid
    body->Update();
    // From now on the coin counts on by itself, whatever becomes of its piece.
    for (int t = 0; t < 98; ++t) UpdateVineCoins();
    EXPECT_EQ(VineCoins.Count(), 1);
    EXPECT_EQ(body->CoinInstance->InPieceParticle, 100);
    UpdateVineCoins();
    EXPECT_EQ(VineCoins.Count(), 0);
}

} // namespace
} // namespace wispwood
