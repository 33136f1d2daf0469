#pragma once
// The fairy that flies away from a freed fairy tile (and from the bonus
// game's tiles): a burst of twinkles over the cell, then the fairy sinks a
// little and speeds off sideways and up, growing as it goes.
#include "framework/particles/particle.h"

namespace wispwood {

class TImage;

// Turns the fairy's flight sideways (xmult 1 to the left, -1 to the right)
// and upwards, growing from half to one and a half times its size.
class FairyFlyLogic : public ParticleExtraLogic {
  public:
    int xmult = 1;
    void Logic(Particle& p) override;
};

struct FairyImagePair {
    Ref<TImage> Left;
    Ref<TImage> Right;
};

// (x, y): the cell's top-left corner in screen coordinates. Without images
// the fairy pictures of the board are used, without a group ScorePopups.
void ReleaseFairy(float x, float y, const FairyImagePair* images = nullptr, ParticleGroup* group = nullptr);

} // namespace wispwood
