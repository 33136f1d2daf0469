#include "game/board/hint.h"
#include "game/board/level_set.h"
#include "game/board/match_availability.h"
#include "game/board/path_search.h"
#include "game/board/piece.h"
#include "game/board/scroll.h"
#include "game/board/stuck_recovery.h"

namespace wispwood {

int HintIdleTicks = 0;
int HintBlinkTicks = 0;

namespace {

bool HintedPieceLeft() {
    for (const auto& group : HintGroups)
        for (const auto& p : group)
            if (!p->OnBoard) return true;
    return false;
}

} // namespace

ParticleGroup HintParticles;

void ResetHint() {
    HintIdleTicks = 0;
    HintGroups.clear();
}

void UpdateHint() {
    HintIdleTicks += 1;
    bool quotaDone = CurrentLevel && CurrentLevel->DoneQuotaBottleEffect;
    if (StuckActive() || CurrentSpeed > 0.1f || quotaDone) ResetHint();
    HintParticles.Update();
    HintParticles.Update();
    ComputeMatchPath(1);
    if (HintIdleTicks <= 600) {
        if (HintBlinkTicks > 0) HintBlinkTicks -= 1;
        return;
    }
    if (HintGroups.empty()) HintGroups = RandomMatchingPair(-1, 1);
    HintBlinkTicks += 1;
    if (HintBlinkTicks >= 210 || HintedPieceLeft()) {
        HintGroups.clear();
        HintBlinkTicks = 0;
        HintIdleTicks = 0;
    }
}

float HintAlpha() {
    return HintBlinkTicks % 70 < 36 ? 1.0f : 0.0f;
}

void ResetHintState() {
    ResetHint();
    HintBlinkTicks = 0;
    HintParticles.AllParticles.Clear();
}

} // namespace wispwood
