#pragma once
// Fluttering paper confetti: cannon shots from the bottom corners when a
// level is won, and small bursts from vine pieces and the medal display.
// Each piece is an ordinary particle with a 32-frame flutter; its motion
// (fast launch, optional mid-air burst, slow-down into a gentle fall, and
// for the victory rain a return to the top) comes from ConfettiExtraLogic.
#include "framework/particles/particle.h"

namespace wispwood {

class ConfettiExtraLogic : public ParticleExtraLogic {
  public:
    int highvelocitytime = 0; // free-flight updates left; -1 once slowing
    float OldDX = 0;          // the velocity when the slow-down started
    float OldDY = 0;
    float NewDX = 0; // the velocity it leads to; then the least x speed
    float NewDY = 0;
    int SlowDown = 0;       // 0: none running, else the phase counter
    float LockFriction = 0; // above 0.5: the friction while settling
    double Ticks = 0;
    int Explosion = 0;     // 0: never bursts, else the burst phase counter
    int SlowDownTicks = 0; // every that many updates the flutter slows
    int KeepCreating = 0;  // 1: back to the top after falling out
    float Alpha = 1;
    int AlphaOUt = 0; // fades, and the flutter slows over time
    float dAlpha = 0;
    int PlayExplosion = 0; // the one piece of a shot that sounds the burst
    int TickSpeedIncrease = 0;
    int n = 0; // updates since construction

    ConfettiExtraLogic();
    void Logic(Particle& p) override;

  private:
    // The horizontal speed does not drop below |NewDX|.
    void KeepMinimumSpeed(Particle& p);
};

// A drawn with the game scene, B with the medal display.
extern ParticleGroup ConfettiLayerA;
extern ParticleGroup ConfettiLayerB;

// 150 pieces from (x, y), leaving opposite to angle (degrees): 45 sends
// them up and to the left, 135 up and to the right.
void ConfettiCannon(float x, float y, float angle, int keepCreating, int toLayerB);
// count pieces bursting from (x, y) into layer A (0), layer B (1) or the
// board group the caller gives (2; nothing is made without one). Above
// power 1.2 all four colours, else blue and white that fade.
void ConfettiExplosion(float x, float y, int keepCreating, int layer, int count, float power,
                       ParticleGroup* boardGroup = nullptr);
void ResetConfetti();
void UpdateConfetti();
void RenderConfettiA();
void RenderConfettiB();

} // namespace wispwood
