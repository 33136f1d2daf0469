#include "framework/particles/calm_effects.h"

namespace wispwood {

bool CalmEffects = false;

namespace {

// Which sparkles the calm mode draws is decided by their order, not by the
// random generator, whose sequence the mode must not touch.
int gSparklesMade = 0;

} // namespace

void MarkSparkle(Particle& p) {
    p.Role = EffectRole::Sparkle;
    p.CalmShown = gSparklesMade % kCalmSparkleShare == 0;
    gSparklesMade += 1;
}

void MarkFlash(Particle& p) {
    p.Role = EffectRole::Flash;
}

void ResetCalmEffects() {
    CalmEffects = false;
    gSparklesMade = 0;
}

} // namespace wispwood
