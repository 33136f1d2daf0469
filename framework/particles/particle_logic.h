#pragma once
// The curves, hooks and the twinkle spawner that the game's particles use.
#include "framework/particles/particle.h"

namespace wispwood {

// Fast start, soft finish: StartScale + (EndScale - StartScale) x
// clamp(2x - x^2, 0, 1).
class ScaleOutInertia : public Func {
  public:
    float StartScale = 0;
    float EndScale = 0;
    ScaleOutInertia() = default;
    ScaleOutInertia(float startScale, float endScale) : StartScale(startScale), EndScale(endScale) {}
    float f(float x) override;
};

// Fades in over the first tenth of life, holds, and drops quadratically
// over the last twentieth.
class TwinkleAlpha : public Func {
  public:
    float f(float x) override;
    // The one curve every twinkle shares.
    static const Ref<TwinkleAlpha>& Shared();
};

// Kills the particle at the end of the update in which y passes Height.
class ParticleDeleteAfterY : public ParticleExtraLogic {
  public:
    float Height = 0;
    ParticleDeleteAfterY() = default;
    explicit ParticleDeleteAfterY(float height) : Height(height) {}
    void Logic(Particle& p) override;
};

class ParticleDeleteBeforeY : public ParticleExtraLogic {
  public:
    float Height = 0;
    ParticleDeleteBeforeY() = default;
    explicit ParticleDeleteBeforeY(float height) : Height(height) {}
    void Logic(Particle& p) override;
};

// Flickers the particle's size: every few updates a new random size, or
// none at all.
class TwinkleExtraLogic : public ParticleExtraLogic {
  public:
    int NextCheck = 5;
    float TwinkleScale = 0;
    float OverallScale = 1.0f;
    void Logic(Particle& p) override;
};

// A twinkle at (x, y): additive, drifting slowly, living about 60 updates
// times lifeScale, or 160-310 times lifeScale when a 1-in-chance draw hits
// (always with chance -1). The fourth argument is not used.
Ref<Particle> AddTwinkle(ParticleGroup& group, float x, float y, float ignored, const Ref<TImage>& image,
                         int chance, float lifeScale = 1);

} // namespace wispwood
