#include "game/board/effect_images.h"
#include "game/board/outlines.h"
#include "game/board/piece.h"
#include "tests/support/ascii_board.h"
#include <tuple>

namespace wispwood {
namespace {

using test::BuildBoard;

// A sprite as the outline places it: centre, rotation and length factor.
using Sprite = std::tuple<float, float, float, float>;

std::vector<Sprite> Sprites(ParticleGroup& group) {
    std::vector<Sprite> out;
    for (const auto& p : group.AllParticles) out.emplace_back(p->x, p->y, p->Rotation, p->xscale);
    return out;
}

class Outlines : public test::BoardTest {
  protected:
    void Hovered(const test::Picture& rows) {
        BuildBoard(rows);
        ForEachPiece([](const Ref<Piece>& p) { p->mover = 1; });
    }
};

TEST_F(Outlines, ALonePieceHasFourEdgesAndFourOuterCorners) {
    Hovered({"1"});
    BuildOutline(2, 1);
    EXPECT_EQ(Sprites(HoverOutline), (std::vector<Sprite>{
                                         {24, 0, 0, 1},   // top
                                         {48, 24, 90, 1}, // right
                                         {24, 48, 180, 1},
                                         {0, 24, 270, 1},
                                         {48, 0, 0, 1}, // corners, clockwise from the top right
                                         {48, 48, 90, 1},
                                         {0, 48, 180, 1},
                                         {0, 0, 270, 1},
                                     }));
    for (const auto& p : HoverOutline.AllParticles) {
        EXPECT_EQ(p->Blend, 4);
        EXPECT_EQ(p->StartAlpha, 0); // raised by the update
        EXPECT_EQ(p->TotalLife, 99999);
    }
}

// Edges reach 4 pixels further at each end that the outline continues
// from, so neighbouring edges meet without a gap.
TEST_F(Outlines, EdgesStretchTowardsTheirContinuation) {
    Hovered({"11"});
    BuildOutline(2, 1);
    const float stretched = 56.0f / 48.0f;
    EXPECT_EQ(Sprites(HoverOutline), (std::vector<Sprite>{
                                         {28, 0, 0, stretched},
                                         {28, 48, 180, stretched},
                                         {0, 24, 270, 1},
                                         {0, 48, 180, 1},
                                         {0, 0, 270, 1},
                                         {68, 0, 0, stretched},
                                         {96, 24, 90, 1},
                                         {68, 48, 180, stretched},
                                         {96, 0, 0, 1},
                                         {96, 48, 90, 1},
                                     }));
}

TEST_F(Outlines, AnInnerCornerGetsTheCornerSprite) {
    Hovered({"11", "1."});
    ForEachPiece([](const Ref<Piece>& p) { p->MahjongOver = 1; });
    EffectImages.OutlineCorner = nullptr;
    BuildOutline(1, 0);
    int inner = 0;
    // The inner corner sits at the corner point shared by all three pieces.
    for (const auto& [x, y, r, s] : Sprites(SelectionOutline))
        if (x == 48 && y == 48 && r == 90) ++inner;
    EXPECT_EQ(inner, 1);
}

TEST_F(Outlines, SmallCellsUseTheShorterEdgeLengths) {
    Hovered({"11"});
    CellWidth = CellHeight = 40;
    BuildOutline(2, 1);
    auto sprites = Sprites(HoverOutline);
    // Top edge of the left piece: one continuing end (its finish).
    EXPECT_EQ(sprites[0], Sprite(24, 0, 0, (48 + 8 - 7) / 48.0f));
    // Bottom edge: only its start continues, so it is a pixel shorter and
    // a pixel further left.
    EXPECT_EQ(sprites[1], Sprite(23, 40, 180, (48 + 8 - 7 - 1) / 48.0f));
}

TEST_F(Outlines, FadingCutsLastingSpritesToTenUpdates) {
    Hovered({"1"});
    BuildOutline(2, 1);
    BuildOutline(0, 0); // the short flash of a match
    for (const auto& p : SelectionOutline.AllParticles) EXPECT_EQ(p->TotalLife, 10);
    FadeOutline(1, 0);
    for (const auto& p : HoverOutline.AllParticles) EXPECT_EQ(p->TotalLife, 10);
    for (int i = 0; i < 11; ++i) UpdateOutlines();
    EXPECT_EQ(HoverOutline.AllParticles.Count(), 0);
    EXPECT_EQ(SelectionOutline.AllParticles.Count(), 0);
}

} // namespace
} // namespace wispwood
