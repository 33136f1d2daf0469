#include "game/board/lock_particles.h"
#include "engine/draw/graphics.h"
#include "engine/io/random.h"
#include "framework/anim/numeric.h"
#include "game/board/board.h"
#include "game/board/piece.h"
#include "game/board/piece_images.h"

namespace wispwood {

ParticleGroup LockParticles;

namespace {

Ref<Particle> OverlayAtCell(Piece& piece, const Ref<TImage>& image) {
    Ref<Particle> p = LockParticles.AddParticle();
    p->Image = image;
    p->x = static_cast<float>(piece.GetX() + CellWidth / 2);
    p->y = static_cast<float>(piece.GetY() + CellHeight / 2);
    float scale = static_cast<float>(CellWidth) / 48.0f;
    p->StartScale = p->EndScale = scale;
    p->Blend = ALPHABLEND;
    return p;
}

} // namespace

void FlyLockOverlay(Piece& piece, int delay, float dx, float dy) {
    Ref<Particle> p = OverlayAtCell(piece, BlockImages.BlockLocked);
    p->Delayed = delay;
    p->RenderWhileDelayed = 1;
    // A lock right on the key has no direction and just drops.
    SetVectorLength(dx, dy, 1);
    p->dx = dx;
    p->dy = dy;
    p->ay = RandomFloatF(0.045f, 0.05f);
    p->dRotation = static_cast<float>(SignOf(dx)) * RandomFloatF(1, 2) + RandomFloatF(-0.5f, 0.5f);
    p->aRotation = static_cast<float>(SignOf(p->dRotation)) * RandomFloatF(0, 0.01f);
    p->TotalLife = 300;
    p->StartAlpha = p->EndAlpha = 1;
}

void FadeLockOverlay(Piece& piece, int unlocker) {
    Ref<Particle> p = OverlayAtCell(piece, unlocker ? BlockImages.DestroyLocked : BlockImages.BlockLocked);
    p->StartAlpha = 1;
    p->EndAlpha = 0;
    p->TotalLife = 60;
}

void ResetLockParticles() {
    LockParticles = ParticleGroup{};
}

} // namespace wispwood
