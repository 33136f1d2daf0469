#pragma once
// The banner over a demo: "DEMO" on the game's large button plate at the
// top of the board, dropping in, breathing gently and trailing fairy dust,
// with the way back to the menu written under it. It rises out of the way
// of the level-complete tally's heading.
#include "framework/particles/particle.h"

namespace wispwood {

class DemoBanner {
  public:
    // One update: the banner's clock, its sparkles, and whether it makes
    // room for the tally.
    void Update(bool makeRoom);
    void Render();

    // The plate's centre now.
    float CentreX() const;
    float CentreY() const;

  private:
    int ticks_ = 0;
    float aside_ = 0; // 0 in its place, 1 risen for the tally
    ParticleGroup sparkles_;
};

} // namespace wispwood
