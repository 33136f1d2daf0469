#pragma once
// The lock and key overlays that leave their pieces: a lock flying off when
// a key's ring reaches it, or an overlay fading out where it sat.
#include "framework/particles/particle.h"

namespace wispwood {

class Piece;

extern ParticleGroup LockParticles;

// The piece's lock overlay waits delay updates in place, then flies off
// along (dx, dy), spinning and falling.
void FlyLockOverlay(Piece& piece, int delay, float dx, float dy);
// The lock overlay (or with unlocker set the unlocker's) fades out in
// place over 60 updates.
void FadeLockOverlay(Piece& piece, int unlocker);

void ResetLockParticles();

} // namespace wispwood
