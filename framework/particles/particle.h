#pragma once
// Particles: small records that move by velocity and acceleration, scale,
// rotate, fade and step through frames over a life counted in updates.
// Behaviour is customised by plug-in objects: curves over life (Func),
// hooks run each update and at death (ParticleExtraLogic) and replacement
// drawing (ParticleRenderOverride). Several game rules run on those hooks,
// so the order of every step below is part of the game's behaviour.
#include "engine/core/tlist.h"
#include <memory>

namespace wispwood {

class TImage;
class Particle;
class Effect;

// A curve over a particle's life, 0 to 1.
class Func {
  public:
    virtual ~Func() = default;
    virtual float f(float x) = 0;
};

class ParticleExtraLogic {
  public:
    virtual ~ParticleExtraLogic() = default;
    // Each update the particle lives (not while it is delayed).
    virtual void Logic(Particle& p) { (void)p; }
    // Each update the particle waits.
    virtual void DelayedLogic(Particle& p) { (void)p; }
    // When the particle is deleted.
    virtual void Death(Particle& p) { (void)p; }
};

class ParticleRenderOverride {
  public:
    virtual ~ParticleRenderOverride() = default;
    // Draws the particle instead of its image; the particle's alpha,
    // scale, colour, rotation and blend are already set.
    virtual void Render(Particle& p) { (void)p; }
};

// What a particle is to the calm mode (calm_effects.h): plain particles are
// drawn as they are, sparkles are thinned out and slowed, flashes dimmed.
enum class EffectRole { Plain, Sparkle, Flash };

class Particle : public std::enable_shared_from_this<Particle> {
  public:
    Ref<TImage> Image;
    int Frame = 0;
    float CurrentLife = 0;
    float TotalLife = 0;
    int Permanent = 0;
    int Blend = 3;
    Ref<Particle> Parent; // while delayed, the particle sits on its parent
    Ref<Func> OverrideXScale;
    Ref<Func> OverrideYScale;
    Ref<Func> OverrideAlpha;
    Ref<Func> OverrideScale;
    Ref<ParticleRenderOverride> OverrideRender;
    Ref<ParticleExtraLogic> ExtraLogic;
    float StartAlpha = 1;
    float EndAlpha = 1;
    float StartScale = 1;
    float EndScale = 1;
    int StartFrame = 0;
    int EndFrame = 0;
    int CurrentFrame = 0;
    int FrameTickSpeed = 0; // updates per frame step; 0: the frame follows life
    int FrameTickProgress = 0;
    float x = 0;
    float y = 0;
    float dx = 0;
    float dy = 0;
    float ax = 0;
    float ay = 0;
    float axscale = 0;
    float ayscale = 0;
    float dxscale = 0;
    float dyscale = 0;
    float xscale = 1;
    float yscale = 1;
    float Friction = 0; // velocity factor per update when above 0.01
    float Rotation = 0;
    float dRotation = 0;
    float aRotation = 0;
    int Delayed = 0; // updates to wait before living
    int RenderWhileDelayed = 1;
    int r = 255;
    int g = 255;
    int b = 255;
    int doViewport = 0;
    int vpx = 0;
    int vpy = 0;
    int vpw = 0;
    int vph = 0;
    int _Deleted = 0;
    int DoHandle = 0;
    float HandleX = 0;
    float HandleY = 0;
    int AnimRevert = 1; // at EndFrame: 1 starts again, 0 stays
    int Important = 0;
    EffectRole Role = EffectRole::Plain;
    bool CalmShown = true; // a sparkle the calm mode draws
    float CalmFrame = -1;  // a sparkle's frame at the calm pace, -1 until it first moves

    virtual ~Particle() = default;

    // Alpha over life: the OverrideAlpha curve, else StartAlpha to EndAlpha.
    virtual float Alpha();
    virtual void Render();
    // CurrentLife / TotalLife (0 while TotalLife is 0).
    virtual float Life();
    virtual void Update();
    // Runs the death hook once and marks the particle for removal.
    virtual void DeleteParticle();
    // The effect a particle carries instead of its own life, or null; a
    // virtual call, as sweeps over thousands of particles look for them.
    virtual Effect* CarriedEffect() { return nullptr; }
    // The frame drawn now: the particle's own, or a calm sparkle's slower one.
    int DrawnFrame() const;

  private:
    bool dying_ = false;
    void StepCalmFrame();
};

class ParticleGroup {
  public:
    TList<Ref<Particle>> AllParticles;

    // Appends p, or a new default particle when p is null.
    Ref<Particle> AddParticle(const Ref<Particle>& p = nullptr);
    // Updates every particle in order, removing each one deleted.
    void Update();
    // Draws every particle in order inside one saved drawing state.
    void Render();
};

} // namespace wispwood
