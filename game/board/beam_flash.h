#pragma once
// The beams of the row and column destroyers: particles in the shard group
// whose picture is stretched from the beam's origin to its moving front.
#include "framework/particles/particle.h"

namespace wispwood {

// Drawn from the top of the board down to the particle's y (at most 800
// pixels), additive.
class VerticalFlash : public ParticleRenderOverride {
  public:
    void Render(Particle& p) override;
};

// Drawn from Basex to the particle's x along the particle's rotation.
class HorizontalFlash : public ParticleRenderOverride {
  public:
    float Basex = 0;
    void Render(Particle& p) override;
};

// The column beam's width: it widens by 0.02 per update, a little less each
// update, over its 100 updates.
class VerticalFlashXScale : public Func {
  public:
    float f(float t) override;
};

// The row beam's width: up to 0.8 over 60 % of its life, then down to 0.6.
class HorizontalFlashXScale : public Func {
  public:
    float f(float t) override;
};

// Full until 60 % of its life, then fading out.
class VerticalFlashAlpha : public Func {
  public:
    float f(float t) override;
};

// The one column beam (board coordinates) at the column whose centre is x.
void AddVerticalBeam(float x);
// The two row beams from the cell centre (x, y), pointing left and right.
void AddHorizontalBeams(float x, float y);

} // namespace wispwood
