#include "game/board/falling_pieces.h"
#include "engine/draw/graphics.h"
#include "framework/anim/easing.h"
#include "framework/anim/numeric.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "game/board/board.h"
#include "game/board/board_sound.h"
#include "game/board/column_stacks.h"
#include "game/board/combo_groups.h"
#include "game/board/combo_tile_images.h"
#include "game/board/groups.h"
#include "game/board/level_set.h"
#include "game/board/piece.h"
#include "game/board/scroll.h"

namespace wispwood {

TList<Ref<PieceParticle>> FallingPieces;
TList<Ref<PieceParticleGroup>> FallingGroups;
Ref<PieceParticleGroup> CurrentFallingGroup;

namespace {

constexpr float kGravity = 0.09f;
// A piece with others below it in its column falls a little more slowly,
// so a falling column stretches out instead of landing as one block.
constexpr float kGravityPerPieceBelow = 0.002f;
// The top of a stack must have lain this long before another piece landing
// on it clicks; a column landing at once makes one sound, not a rattle.
constexpr int kQuietLandingTicks = 10;

const Text kHitPieceSound = "media\\sound\\piecehitpiece.ogg";
const Text kHitGroundSound = "media\\sound\\piecehitground.ogg";

float DropSpeed() {
    return CurrentLevel && CurrentLevel->StopScrolling ? 0 : CurrentSpeed;
}

void Land(const Ref<PieceParticle>& r, PieceParticleStack& stack) {
    if (stack.Stacked.Count() > 0) {
        if (stack.HighestPieceStackTime() > kQuietLandingTicks) PlayBoardSound(kHitPieceSound);
    } else {
        PlayBoardSound(kHitGroundSound);
    }
    r->y = static_cast<float>(stack.StackY());
    r->dy = 0;
    stack.Stacked.AddLast(r);
    r->stacked = 1;
}

// A piece that drops out of an overhang can land on a lower part of the
// board that is still held: it goes back into the grid above that piece.
bool Catch(const Ref<PieceParticle>& r) {
    int x = r->columnx;
    if (x < 0 || x >= Board.Width()) return false;
    const float w = static_cast<float>(CellWidth), h = static_cast<float>(CellHeight);
    for (int y = 0; y < Board.Height(); ++y) {
        Ref<Piece> a = Board(x, y);
        if (!a || static_cast<float>(a->GetY()) <= r->y) continue;
        float ax = static_cast<float>(BoardLeft() + a->GetX()), ay = static_cast<float>(a->GetY());
        if (!RectsOverlap(r->x, r->y, w, h, ax, ay, w, h) || !IsEmptyCell(a->x, a->y - 1)) continue;
        Piece& piece = *r->p;
        piece.x = a->x;
        piece.y = a->y - 1;
        Board(piece.x, piece.y) = r->p;
        piece.bouncedy = piece.bouncey = 0;
        piece.OnBoard = 1;
        ForgetFallingPiece(r);
        PlayBoardSound(kHitPieceSound);
        return true;
    }
    return false;
}

void Fall(const Ref<PieceParticle>& r) {
    r->y += r->dy;
    PieceParticleStack* stack = ColumnStack(r->columnx);
    float bounce = stack ? stack->Bounce : 1;
    r->dy += (kGravity - kGravityPerPieceBelow * static_cast<float>(r->Under())) * bounce;
    // A column without a floor (the board narrowed under it) lets its
    // pieces go like an inert one.
    if ((r->Inert || !stack) && r->y > ScreenHeight) {
        r->Finished = 1;
        ForgetFallingPiece(r);
        return;
    }
    if (!stack) return;
    if (!r->Inert && r->y > static_cast<float>(stack->StackY())) {
        Land(r, *stack);
        return;
    }
    Catch(r);
}

} // namespace

int PieceParticle::Under() {
    int n = 0;
    for (const Ref<PieceParticle>& other : FallingPieces)
        if (other.get() != this && other->columnx == columnx && other->y > y) ++n;
    return n;
}

void PieceParticle::Render() {
    if (!p) return;
    if (Morphing > 0) {
        // The piece cross-fades into its combo tile over 20 updates.
        float b = LerpSqrtClamped(0, 1, static_cast<float>(Morphing) / 20.0f);
        TDrawState::Push();
        TDrawState::PushAlpha(b);
        if (CellWidth == 40) TDrawState::PushScale(5.0f / 6.0f, 5.0f / 6.0f);
        DrawGameImage(MorphingGold ? ComboTileImages.Gold : ComboTileImages.Silver, x, y, MorphingFrame);
        TDrawState::Pop();
        TDrawState::Push();
        TDrawState::PushAlpha(1 - b);
        p->RenderAt(x, y);
        TDrawState::Pop();
        return;
    }
    // A fading piece flares up (alpha above 1 brightens) before it goes.
    float a = ClampFloat(Alpha, 0, 1);
    TDrawState::Push();
    TDrawState::PushAlpha(a + LerpParabolicClamped(0, 1, a));
    p->RenderAt(x, y);
    TDrawState::Pop();
}

int PieceParticleGroup::Finished() {
    for (const Ref<PieceParticle>& r : PieceParticles)
        if (r->stacked == 0) return 0;
    return 1;
}

float PieceParticleGroup::AverageX() {
    float sum = 0;
    int n = 0;
    for (const Ref<PieceParticle>& r : PieceParticles) sum += r->x, ++n;
    return (n ? sum / static_cast<float>(n) : 0) + static_cast<float>(CellWidth) / 2;
}

namespace {

// The piece leaves its cell and falls with the others of the group, which
// is made with the first piece that drops.
void Release(const Ref<Piece>& piece, Ref<PieceParticleGroup>& group) {
    if (!group) {
        group = New<PieceParticleGroup>();
        CurrentFallingGroup = group;
        FallingGroups.AddFirst(group);
    }
    auto r = New<PieceParticle>();
    r->p = piece;
    r->x = static_cast<float>(BoardLeft() + piece->GetX());
    r->y = static_cast<float>(piece->GetY());
    r->columnx = piece->x;
    r->columny = piece->y;
    r->dy = DropSpeed();
    piece->mover = 0;
    piece->OnBoard = 0;
    group->PieceParticles.AddFirst(r);
    FallingPieces.AddFirst(r);
    Board(piece->x, piece->y) = nullptr;
}

} // namespace

void DropUnsupported() {
    MarkSupported();
    // The group is made only when a piece drops: this runs after every
    // removal and once per update, and nearly always drops nothing.
    Ref<PieceParticleGroup> group;
    for (int x = 0; x < Board.Width(); ++x)
        for (int y = 0; y < Board.Height(); ++y) {
            Ref<Piece> piece = Board(x, y);
            if (!piece || piece->Checked || piece->PieceExplosionParticle || piece->IsGold ||
                piece->BlockGravity() != 0)
                continue;
            Release(piece, group);
        }
}

void DropPiece(const Ref<Piece>& piece) {
    if (!piece || !Board.Inside(piece->x, piece->y) || Board(piece->x, piece->y) != piece) return;
    Ref<PieceParticleGroup> group;
    Release(piece, group);
}

void UpdateFallingPieces(bool levelEnding) {
    if (FallingPieces.IsEmpty())
        for (const Ref<PieceParticleStack>& stack : ColumnStacks) stack->NewBounce();
    for (const Ref<PieceParticleStack>& stack : ColumnStacks) stack->Update();

    // While the level ends fallen pieces drop out of the screen instead of
    // stacking.
    for (const Ref<PieceParticle>& r : FallingPieces) {
        if (levelEnding) r->Inert = 1;
        r->p->Update();
        if (r->stacked > 0) {
            r->stacked += 1;
            continue;
        }
        Fall(r);
    }

    for (const Ref<PieceParticleGroup>& g : FallingGroups)
        if (g->PieceParticles.IsEmpty() || g->Finished()) FallingGroups.Remove(g);

    bool falling = false;
    for (const Ref<PieceParticle>& r : FallingPieces) falling = falling || r->stacked == 0;
    if (!falling) FormComboGroups();

    for (const Ref<PieceParticleComboGroup>& g : ComboGroups) g->Update();
}

void ResetFalling() {
    FallingPieces.Clear();
    FallingGroups.Clear();
    CurrentFallingGroup = nullptr;
    for (const Ref<PieceParticleStack>& stack : ColumnStacks) stack->Stacked.Clear();
    ResetComboGroups();
}

void RenderFallingPieces() {
    std::vector<Ref<PieceParticle>> records = FallingPieces.ToArray();
    for (auto it = records.rbegin(); it != records.rend(); ++it) (*it)->Render();
}

int AnyPieceFalling() {
    return FallingPieces.IsEmpty() ? 0 : 1;
}

Ref<PieceParticle> FallingRecordOf(const Piece& piece) {
    for (const Ref<PieceParticle>& r : FallingPieces)
        if (r->p.get() == &piece) return r;
    return nullptr;
}

void ForgetFallingPiece(const Ref<PieceParticle>& record) {
    FallingPieces.Remove(record);
    for (const Ref<PieceParticleGroup>& g : FallingGroups) g->PieceParticles.Remove(record);
}

} // namespace wispwood
