#pragma once
// The quota of the level being played: pieces counted into the bottle, the
// bottle's displayed fill, and the gold sweep once the quota is complete.
// The row generator stops making rows once it is reached.
#include "framework/particles/particle.h"
#include "game/board/quota_particle.h"

namespace wispwood {

// Pieces counted in this level; never above the level's quota.
extern int QuotaCollected;
// Pieces still to collect, refreshed every update.
extern int QuotaRemaining;
// The bottle's displayed share still to collect: 1 empty, 0 full. It
// follows QuotaRemaining smoothly.
extern float QuotaLevel;
// The bottle's drops, splashes and rings; the ring of a reached quota
// carries the logic that turns the pieces under it to gold.
extern ParticleGroup QuotaDrops;

// Turns every piece its spreading ring passes to gold.
class KillPiecesUnderNeath : public ParticleExtraLogic {
  public:
    void Logic(Particle& p) override;
};

// The level's quota as a divisor: a quota of 0 in the location file
// divides as 1.
int QuotaDivisor();

// 1 once the level's quota has been collected.
int QuotaReached();
// 1 while the quota-done ring is still spreading over the board.
int QuotaRingSpreading();
// 1 while the bottle's fill has not yet caught up with the count.
int QuotaDisplayCatchingUp();

// A drop of value pieces reached the liquid: counts it (not while the game
// is being lost) and starts the quota-done effect the moment the quota is
// complete.
void CountQuotaDrop(int value);
// Where the liquid's surface lies on screen.
float LiquidSurfaceY();

// Every update while the board runs: the bottle's particles and waves, the
// clamp of the count, the glint when the end is near, the fill.
void UpdateQuota();
// A level starts: on a first start the count begins afresh, particles in
// flight are cancelled and the bottle shows empty.
void ResetQuota(int first);
// The display jumps to the count (a restored game).
void SetQuotaDisplay();

// Everything of the quota back to its start-up state.
void ResetQuotaState();

} // namespace wispwood
