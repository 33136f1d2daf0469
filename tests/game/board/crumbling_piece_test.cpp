#include "game/board/falling_pieces.h"
#include "game/board/piece_match.h"
#include "game/board/powerup.h"
#include "tests/game/board/clear_pass_fixture.h"

namespace wispwood {
namespace {

using test::Picture;

class Crumbling : public test::ClearPassWorldTest {
  protected:
    // The stage of every crumbling piece: 0 whole, 1 cracked.
    static Picture Stages(int rows) {
        return test::DrawBoard(rows, [](const Piece& p) {
            auto c = dynamic_cast<const CrumblingPiece*>(&p);
            return c ? static_cast<char>('0' + c->CrumblingProgress) : '-';
        });
    }
    // The board's pieces update, as in the board step.
    static void Updates(int n) {
        for (int i = 0; i < n; ++i) ForEachPiece([](const Ref<Piece>& p) { p->Update(); });
    }
};

TEST_F(Crumbling, ASelectedPieceCracksAfter5UpdatesAndGoesAfter10AndItsPatchFollows) {
    Board({
        "1111111",
        "CC1C111",
        ".C.....",
    });
    PieceAt(1, 2)->MahjongOver = 1;
    Updates(4);
    EXPECT_EQ(Stages(3), (Picture{"-------", "00-0---", ".0....."}));
    Updates(1);
    EXPECT_EQ(Stages(3), (Picture{"-------", "00-0---", ".1....."}));
    EXPECT_EQ(PieceAt(1, 2)->Name, "crumbling1");
    EXPECT_EQ(PieceAt(1, 2)->Frame, 1);
    EXPECT_EQ(BoardEffects.AllParticles.Count(), 4); // rubble
    Updates(5);
    EXPECT_EQ(PieceAt(1, 2), nullptr);
    EXPECT_EQ(BoardEffects.AllParticles.Count(), 8);

    // Its neighbour, then the neighbour's, one stage every 5 updates; the
    // piece across the gap stays whole.
    Updates(5);
    EXPECT_EQ(Stages(2), (Picture{"-------", "01-0---"}));
    Updates(5);
    EXPECT_EQ(Stages(2), (Picture{"-------", "0.-0---"}));
    Updates(10);
    EXPECT_EQ(Stages(2), (Picture{"-------", "..-0---"}));
}

TEST_F(Crumbling, AMatchBreaksAStageAndNeverBursts) {
    Board({
        "1111",
        "C11C",
        "C...",
    });
    Match({{0, 2}, {3, 1}});
    EXPECT_EQ(Stages(3), (Picture{"----", "0--1", "1..."}));
    EXPECT_EQ(BoardEffects.AllParticles.Count(), 8); // rubble only
    // Only pieces of the same stage match.
    EXPECT_TRUE(PiecesMatch(PieceAt(0, 2), PieceAt(3, 1)));
    EXPECT_FALSE(PiecesMatch(PieceAt(0, 1), PieceAt(3, 1)));
    // A cracked piece is not left marked: the next match elsewhere does not
    // break it too.
    Match({{1, 1}, {2, 1}});
    EXPECT_EQ(Stages(3), (Picture{"----", "0--1", "1..."}));

    Match({{0, 2}, {3, 1}});
    EXPECT_EQ(PieceAt(0, 2), nullptr);
    EXPECT_EQ(PieceAt(3, 1), nullptr);
    EXPECT_EQ(TilesPopped->n, 2); // the two 1s
    // The whole piece that touched a broken one is set going.
    EXPECT_EQ(Cast<CrumblingPiece>(PieceAt(0, 1))->AutoCrumblingProgress, 1);
}

TEST_F(Crumbling, AGonePieceBreaksNoFurther) {
    Board({"1", "C"});
    auto c = Cast<CrumblingPiece>(PieceAt(0, 1));
    c->Crumble();
    EXPECT_EQ(c->Crumble(), 1);
    int rubble = BoardEffects.AllParticles.Count();
    EXPECT_EQ(c->Crumble(), 0);
    EXPECT_EQ(BoardEffects.AllParticles.Count(), rubble);
    EXPECT_EQ(c->CrumblingProgress, 2);
}

} // namespace
} // namespace wispwood
