#include "game/board/quota.h"
#include "game/board/level_set.h"

namespace wispwood {

int QuotaCollected = 0;
ParticleGroup QuotaDrops;

int QuotaReached() {
    return CurrentLevel && QuotaCollected >= CurrentLevel->Quota() ? 1 : 0;
}

int QuotaRingSpreading() {
    for (const auto& p : QuotaDrops.AllParticles)
        if (dynamic_cast<KillPiecesUnderNeath*>(p->ExtraLogic.get())) return 1;
    return 0;
}

void ResetQuotaState() {
    QuotaCollected = 0;
    QuotaDrops.AllParticles.Clear();
}

} // namespace wispwood
