// The bomb: a matched pair clears every coloured piece the player could
// reach.
#include "framework/anim/anim.h"
#include "game/board/board.h"
#include "game/board/clear_pass.h"
#include "game/board/crumble.h"
#include "game/board/falling_pieces.h"
#include "game/board/piece_images.h"
#include "game/board/powerup.h"
#include <vector>

namespace wispwood {

namespace {

constexpr int kUpdatesPerBombFrame = 4;

} // namespace

Bomb::Bomb() : Powerup("bomb", BlockImages.Bomb), anim(TAnim::CreateFromImage(BlockImages.Bomb)) {
    anim->CurrentAnimStretch->FrameTickSpeed = kUpdatesPerBombFrame - 1;
}

void Bomb::UpdateAnimation() {
    anim->Update();
}

void Bomb::RenderAt(float px, float py) {
    Frame = anim->Frame();
    Piece::RenderAt(px, py);
}

int Bomb::Activate() {
    if (Activated) return 0;
    Activated = 1;
    RemoveFromBoard(1);
    DropUnsupported();
    Sparkles(*this, 13, 0.5f);
    // The partner bomb waits until this one's pass is over: met halfway
    // through it, it would burst the pieces not yet reached in a pass of
    // its own, their points counting from 10 again.
    std::vector<Ref<Piece>> waiting;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (p->MarkForDestruction && IsKind<Bomb>(p)) {
            waiting.push_back(p);
            p->MarkForDestruction = 0;
        }
        if (p->Bottom && p->Normal() && !p->PieceExplosionParticle) p->MarkForDestruction = 1;
    });
    ClearMarked();
    for (const Ref<Piece>& bomb : waiting) bomb->MarkForDestruction = 1;
    // Already gone from the grid: the clear pass has nothing to burst in
    // its place.
    return 0;
}

} // namespace wispwood
