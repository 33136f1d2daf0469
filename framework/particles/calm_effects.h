#pragma once
// Calmer effects, for players sensitive to flashing: no bright flashes, no
// shaking, fewer sparkles and confetti, which drift and flutter more slowly.
// The game turns it on from its settings; the particles, the picture
// drawing and the board's shake honour it where they are drawn.
//
// Only what is drawn changes. Every particle is still made, lives and draws
// its random numbers as it would, so a game plays out exactly the same in
// either mode (a recorded game replays the same whatever the player chose).
#include "framework/particles/particle.h"

namespace wispwood {

extern bool CalmEffects;

// One sparkle in this many is drawn in the calm mode.
constexpr int kCalmSparkleShare = 3;
// Calm sparkles drift, and their frames turn, at this share of their pace.
constexpr float kCalmPace = 0.35f;
// The most a flash shows in the calm mode, blended rather than added.
constexpr float kCalmFlashAlpha = 0.2f;

// A decoration: a sparkle, a piece of confetti or debris. Every third one
// made is the one the calm mode draws.
void MarkSparkle(Particle& p);
// A burst of light (a beam, a ring, a glare over a bursting piece).
void MarkFlash(Particle& p);

// Full effects, and the sparkle count from the start (start-up state).
void ResetCalmEffects();

} // namespace wispwood
