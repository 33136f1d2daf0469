#pragma once
// The quota count of the level being played: pieces counted into the
// bottle. The row generator stops making rows once it is reached.
#include "framework/particles/particle.h"

namespace wispwood {

extern int QuotaCollected;
// The bottle's drops and rings; the ring of a reached quota carries the
// logic that turns the pieces under it to gold.
extern ParticleGroup QuotaDrops;

// Turns every piece it passes to gold (carried by the quota-done ring).
class KillPiecesUnderNeath : public ParticleExtraLogic {};

// 1 once the level's quota has been collected.
int QuotaReached();
// 1 while the quota-done ring is still spreading over the board.
int QuotaRingSpreading();

void ResetQuotaState();

} // namespace wispwood
