#include "framework/particles/effect.h"
#include "framework/scene/scene_stack.h"
#include "game/board/board_frame.h"
#include "game/board/board_particles.h"
#include "game/board/board_sound.h"
#include "game/board/earthquake.h"
#include "game/board/falling_pieces.h"
#include "game/board/game_score.h"
#include "game/board/level_set.h"
#include "game/board/lock_particles.h"
#include "game/board/lock_piece.h"
#include "game/board/path_search.h"
#include "game/board/piece_definition.h"
#include "game/board/piece_effects.h"
#include "game/board/powerup.h"
#include "game/board/quota_particle.h"
#include "game/board/score_popups.h"
#include "game/board/stone_pieces.h"
#include "game/board/vine_pieces.h"
#include "tests/support/ascii_board.h"
#include <set>

namespace wispwood {
namespace {

using test::BuildBoard;

class PieceUpdate : public test::BoardTest {
  protected:
    std::vector<Text> sounds;
    void SetUp() override {
        test::BoardTest::SetUp();
        RecordBoardSounds(&sounds);
    }
    // The piece at (x, y), reachable and showing after delay updates.
    static Ref<Piece> Revealing(int x, int y, int delay) {
        Ref<Piece> p = PieceAt(x, y);
        p->Bottom = 1;
        p->BottomDelay = delay;
        return p;
    }
};

TEST_F(PieceUpdate, NewPiecesTakeIdsAndARandomTwinklePhase) {
    auto a = New<Piece>();
    auto b = New<Bomb>();
    EXPECT_EQ(a->pid, 1);
    EXPECT_EQ(b->pid, 2);
    EXPECT_EQ(b->id, 3);
    EXPECT_GE(a->Particle, 0);
    EXPECT_LE(a->Particle, 185);
    EXPECT_EQ(a->BottomDelay, -1);
    EXPECT_EQ(a->OnBoard, 1);
    EXPECT_EQ(a->GoldFrame, 12);
}

TEST_F(PieceUpdate, GoldShimmersOnceAndThenLeavesTheBoard) {
    BuildBoard({"1.", "2."});
    Ref<Piece> p = PieceAt(0, 0);
    Ref<Piece> hanging = PieceAt(0, 1);
    p->Locked = 1;
    ScrollOffset = 10; // on screen
    p->TurnToGold();
    std::vector<int> frames;
    for (int i = 0; i < 99; ++i) {
        p->Update();
        frames.push_back(p->GoldFrame);
    }
    EXPECT_EQ(p->IsGold, 100);
    // Frames run 13..24, 0..12 once, from the update that takes IsGold past 40.
    EXPECT_EQ(frames[38], 12);
    EXPECT_EQ(frames[39], 13);
    EXPECT_EQ(frames[50], 24);
    EXPECT_EQ(frames[51], 0);
    EXPECT_EQ(frames[63], 12);
    EXPECT_EQ(p->GoldAnimating, 0);
    EXPECT_EQ(frames[98], 12);
    EXPECT_EQ(p->Locked, 0);
    // The lock overlay of a gold piece does not fade: the gold covers it.
    EXPECT_EQ(LockParticles.AllParticles.Count(), 0);
    EXPECT_EQ(p->OnBoard, 1);
    p->Update();
    EXPECT_EQ(p->OnBoard, 0);
    EXPECT_EQ(PieceAt(0, 0), nullptr);
    // A gold piece leaving is worth 100 points, shown over its cell.
    EXPECT_EQ(GameScore, 100);
    EXPECT_EQ(ScorePopups.AllParticles.Count(), 2);
    // The drop pass ran: the piece it held falls.
    EXPECT_EQ(PieceAt(0, 1), nullptr);
    ASSERT_EQ(FallingPieces.Count(), 1);
    EXPECT_EQ(FallingPieces.First()->p, hanging);
    // TurnToGold only starts the sequence.
    p->TurnToGold();
    EXPECT_EQ(p->IsGold, 101);
}

TEST_F(PieceUpdate, RevealCountsDownFlipsOnceAndFadesIn) {
    BuildBoard({"1", "1"});
    Ref<Piece> p = Revealing(0, 1, 2);
    p->PlayFlip = 1;
    p->Update();
    EXPECT_EQ(p->BottomDelay, 1);
    EXPECT_TRUE(sounds.empty());
    p->Update();
    EXPECT_EQ(p->BottomDelay, 0);
    EXPECT_EQ(sounds, std::vector<Text>{"media\\sound\\tileflip.ogg"});
    EXPECT_EQ(p->PlayFlip, 0);
    for (int i = 0; i < 60; ++i) p->Update();
    EXPECT_EQ(p->BottomFadeIn, 48);
    EXPECT_EQ(sounds.size(), 1u);

    // Out of reach it fades out and loses its selection and the path.
    CurrentPath = New<PathPossibility>();
    p->Bottom = 0;
    p->MahjongOver = 1;
    p->Update();
    EXPECT_EQ(p->BottomFadeIn, 47);
    EXPECT_EQ(p->MahjongOver, 0);
    EXPECT_EQ(CurrentPath, nullptr);
}

TEST_F(PieceUpdate, FlipSoundIsSilentAboveTheScreenAndDuringQuakes) {
    BuildBoard({"1", "1"});
    Ref<Piece> top = Revealing(0, 0, 1), low = Revealing(0, 1, 1);
    top->PlayFlip = low->PlayFlip = 1;
    ScrollOffset = 2.0f;
    StartEarthquake();
    top->Update();
    low->Update();
    EXPECT_TRUE(sounds.empty());
    EXPECT_EQ(top->PlayFlip, 0);
    EXPECT_EQ(low->PlayFlip, 0);
}

TEST_F(PieceUpdate, TransitionsAndSelectionCutTheRevealShort) {
    BuildBoard({"1", "1"});
    Ref<Piece> p = Revealing(0, 1, 30);
    p->MahjongOver = 1;
    p->Update();
    EXPECT_EQ(p->BottomDelay, 0);
    EXPECT_EQ(p->BottomFadeIn, 0);

    Ref<Piece> q = Revealing(0, 0, 30);
    CurrentTransition = New<SlideScreenFade>();
    q->Update();
    EXPECT_EQ(q->BottomDelay, 0);
    EXPECT_EQ(q->BottomFadeIn, 48);
}

TEST_F(PieceUpdate, GlowsHeightAndBounceStayInRange) {
    BuildBoard({"12"});
    Ref<Piece> p = PieceAt(0, 0);
    p->mover = 1;
    for (int i = 0; i < 20; ++i) p->Update();
    EXPECT_EQ(p->moverprogress, 30);
    EXPECT_FLOAT_EQ(p->Height, 2.0f);
    // A selected group elsewhere stops the hover glow and, being of
    // another colour, the lift.
    PieceAt(1, 0)->MahjongOver = 1;
    p->Update();
    EXPECT_EQ(p->moverprogress, 26);
    EXPECT_NEAR(p->Height, 1.85f, 1e-5);
    for (int i = 0; i < 20; ++i) p->Update();
    EXPECT_EQ(p->moverprogress, 0);
    EXPECT_FLOAT_EQ(p->Height, 0.0f);
    Ref<Piece> s = PieceAt(1, 0);
    s->Bottom = 1; // an unreachable piece would lose its selection
    for (int i = 0; i < 20; ++i) s->Update();
    EXPECT_EQ(s->MahjongOverProgress, 30);

    p->bouncedy = -1.0f;
    p->Update();
    EXPECT_FLOAT_EQ(p->bouncey, -1.0f);
    int updates = 1;
    while (p->bouncey < 0 && updates < 100) {
        p->Update();
        ++updates;
    }
    EXPECT_EQ(p->bouncey, 0.0f);
    EXPECT_EQ(p->bouncedy, 0.0f);
    EXPECT_GE(updates, 41); // the fall reaches 0 after about 41 updates
    EXPECT_LE(updates, 42);
}

TEST_F(PieceUpdate, CreationShineCountsDownSparklesOnceAndWaitsWhenHeld) {
    BuildBoard({"12"});
    Ref<Piece> p = PieceAt(0, 0);
    p->CreationShine = 51;
    auto sparkles = [] { return BoardTwinkles.AllParticles.Count(); };
    // The board frame still sliding to its place holds the fade.
    FrameX = BoardLeft() + 2;
    p->Update();
    EXPECT_EQ(p->CreationShine, 51);
    SnapBoardFrame();
    p->Update();
    EXPECT_EQ(p->CreationShine, 50);
    EXPECT_EQ(sparkles(), 0);
    p->Update();
    p->Update();
    EXPECT_EQ(p->CreationShine, 48);
    EXPECT_EQ(sparkles(), 4); // four sparkles, once
    EXPECT_EQ(sounds, std::vector<Text>{"media\\sound\\rowcreate.ogg"});
    Ref<Piece> q = PieceAt(1, 0);
    q->CreationShine = 50;
    q->Update();
    EXPECT_EQ(sparkles(), 8);
    EXPECT_EQ(sounds.size(), 1u); // only column 0 plays the row sound
}

TEST_F(PieceUpdate, RemovalEmptiesTheCellOnceAndFeedsTheQuota) {
    BuildBoard({"1W", "2.", "3."});
    auto quota = [] { return QuotaParticles.Count(); };
    auto drops = [] { return FallingPieces.Count(); };
    Ref<Piece> p = PieceAt(0, 0);
    p->RemoveFromBoard(0);
    EXPECT_EQ(PieceAt(0, 0), nullptr);
    EXPECT_EQ(p->OnBoard, 0);
    p->RemoveFromBoard(1);
    EXPECT_EQ(quota(), 1);
    EXPECT_EQ(drops(), 0);
    Ref<Piece> q = PieceAt(0, 1);
    q->NoParticle = 1;
    q->RemoveFromBoard(1);
    EXPECT_EQ(quota(), 1);
    EXPECT_EQ(drops(), 1); // the piece below it fell
    // A stone wall stays.
    PieceAt(1, 0)->RemoveFromBoard(1);
    EXPECT_NE(PieceAt(1, 0), nullptr);
    // A piece whose cell holds another piece leaves that one alone.
    auto stray = New<Piece>();
    stray->x = 1;
    stray->RemoveFromBoard(0);
    EXPECT_NE(PieceAt(1, 0), nullptr);
}

TEST_F(PieceUpdate, UnlockingClearsTheRightFlags) {
    BuildBoard({"1L", "2."});
    Ref<Piece> p = PieceAt(0, 0);
    // The flying lock and the fading ones, by their life and wait.
    auto flights = [] {
        int n = 0;
        for (const auto& q : LockParticles.AllParticles) n += q->TotalLife == 300 ? 1 : 0;
        return n;
    };
    auto fades = [] {
        int n = 0;
        for (const auto& q : LockParticles.AllParticles) n += q->TotalLife == 60 ? 1 : 0;
        return n;
    };
    p->Locked = 1;
    p->Unlocker = 1;
    p->Unlock(40, 12, 0);
    EXPECT_EQ(p->Locked, 0);
    EXPECT_EQ(p->Unlocker, 0);
    ASSERT_EQ(flights(), 1);
    Ref<Particle> flight = LockParticles.AllParticles.First();
    EXPECT_EQ(flight->Delayed, 40);
    // The direction is kept at one pixel per update.
    EXPECT_FLOAT_EQ(flight->dx, 1);
    EXPECT_FLOAT_EQ(flight->dy, 0);
    EXPECT_EQ(fades(), 1);
    // A lock piece keeps its face.
    Ref<Piece> lock = PieceAt(1, 0);
    lock->Unlock(40, 0, 0);
    EXPECT_EQ(lock->Unlocker, 1);
    // Silently: the overlay fades only when the piece shows.
    Ref<Piece> q = PieceAt(0, 1);
    q->Locked = 1;
    q->UnlockSilently();
    EXPECT_EQ(q->Locked, 0);
    EXPECT_EQ(fades(), 2);
    p->y = 0;
    p->Locked = 1;
    p->UnlockSilently();
    EXPECT_EQ(fades(), 2); // row 0 above the screen
}

TEST_F(PieceUpdate, PositionsImagesAndKindAnswers) {
    BuildBoard({"1", "2"});
    Ref<Piece> p = PieceAt(0, 1);
    ScrollOffset = 10.7f;
    p->bouncey = -0.5f;
    EXPECT_EQ(p->GetX(), 0);
    EXPECT_EQ(p->GetY(), 58); // 48 + 10.7 - 0.5, truncated
    EXPECT_EQ(PieceAt(0, 0)->OnScreen(), 1);
    ScrollOffset = 3.9f;
    EXPECT_EQ(PieceAt(0, 0)->OnScreen(), 0);
    EXPECT_EQ(p->OnScreen(), 1);

    // A colour change shows the old image for the first ten flip frames.
    auto level = New<Level>();
    auto oldImage = Ref<TImage>(std::make_shared<int>(1), reinterpret_cast<TImage*>(1));
    auto newImage = Ref<TImage>(std::make_shared<int>(2), reinterpret_cast<TImage*>(2));
    level->PieceImages = {oldImage, newImage};
    CurrentLevel = level;
    p->Image = oldImage;
    p->Color = 1;
    p->UpdateImage();
    EXPECT_EQ(p->GetMyImage(9), oldImage);
    EXPECT_EQ(p->GetMyImage(10), newImage);
    p->Color = 7; // no image for it: drawn blank rather than past the array
    p->UpdateImage();
    EXPECT_EQ(p->Image, nullptr);

    PieceDefinitions = CreatePieceDefinitionSet(StandardColourNames());
    p->Color = 3;
    EXPECT_EQ(p->Definition(), PieceDefinitions[3]);
    p->Color = 8;
    EXPECT_EQ(p->Definition(), nullptr);
    EXPECT_EQ(New<Bomb>()->Definition(), nullptr);

    EXPECT_EQ(New<VineBody>()->InvalidForSelection(), 1);
    EXPECT_EQ(New<VineBody>()->FullBright(), 1);
    EXPECT_EQ(New<StoneWall>()->InvalidForSelection(), 1);
    auto vine = New<VineHead>();
    EXPECT_EQ(vine->BlockGravity(), 0);
    vine->DestroyDelay = 5;
    EXPECT_EQ(vine->BlockGravity(), 1);
    EXPECT_EQ(New<LockPiece>(1)->OverrideFrame, 1);
}

TEST_F(PieceUpdate, HoverLiftFollowsTheSelectedColour) {
    BuildBoard({"12B"});
    Ref<Piece> one = PieceAt(0, 0), two = PieceAt(1, 0), bomb = PieceAt(2, 0);
    EXPECT_EQ(one->MOverValidForHeight(), 1);
    EXPECT_EQ(bomb->MOverValidForHeight(), 1);
    two->MahjongOver = 1;
    EXPECT_EQ(one->MOverValidForHeight(), 0);
    EXPECT_EQ(two->MOverValidForHeight(), 1);
    EXPECT_EQ(bomb->MOverValidForHeight(), 0);
}

TEST_F(PieceUpdate, PowerupsKeepTheirShineWhileReachable) {
    BuildBoard({"BO="});
    // Glints come now and then (a few seconds apart), each sitting on its
    // piece; the vine body never glints.
    for (int x = 0; x < 3; ++x) PieceAt(x, 0)->Bottom = 1;
    for (int i = 0; i < 600; ++i)
        for (int x = 0; x < 3; ++x) PieceAt(x, 0)->Update();
    std::set<Piece*> owners;
    for (const auto& particle : BoardTwinkles.AllParticles) {
        auto effect = Cast<EffectParticle>(particle);
        if (effect) owners.insert(PieceGlintOwner(*effect->e).get());
    }
    EXPECT_EQ(owners, (std::set<Piece*>{PieceAt(0, 0).get(), PieceAt(1, 0).get()}));
}

} // namespace
} // namespace wispwood
