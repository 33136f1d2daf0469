#pragma once
// Self-contained effects carried by particles.
#include "engine/core/text.h"
#include "framework/particles/particle.h"

namespace wispwood {

class Effect {
  public:
    Text ident;
    int OneInstance = 0;
    float x = 0;
    float y = 0;
    std::shared_ptr<void> Owner;
    float OwnerBaseX = 0;
    float OwnerBaseY = 0;

    virtual ~Effect() = default;
    // Non-zero once the effect has finished.
    virtual int Update() { return 0; }
    virtual void LengthenLife() {}
    virtual void ShortenLife(int n) { (void)n; }
    virtual void Render() {}
    // 0 after lengthening the life of an effect of this ident already in
    // the group; 1 when there is none.
    virtual int ForceOneInstance(const Text& ident, ParticleGroup& group);
};

// A particle that runs an effect instead of its own life, motion and hooks.
class EffectParticle : public Particle {
  public:
    Ref<Effect> e;

    static Ref<EffectParticle> CreateFromEffect(const Ref<Effect>& e);
    void Render() override;
    void Update() override;
    Effect* CarriedEffect() override { return e.get(); }
};

} // namespace wispwood
