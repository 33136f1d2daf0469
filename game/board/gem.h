#pragma once
// A gem freed from the board: it rides on its tile while the tile is on the
// board, then flies to the game's gem counter and is counted on arrival.
#include "engine/core/tlist.h"
#include "framework/anim/anim.h"
#include "framework/particles/glow_logic.h"
#include "framework/particles/particle.h"
#include <memory>

namespace wispwood {

class Gem : public std::enable_shared_from_this<Gem> {
  public:
    Gem();
    virtual ~Gem() = default;

    float x = 0, y = 0; // on the board while attached, the flight's start after
    int pid = 0;
    int StartSmall = 0;
    int PieceFlipped = 0; // ticks since the tile began to turn over, 0 before
    int OnMain = 0;       // 0 attached, else ticks of the flight
    ParticleGroup Layer;
    GlowLogic Glow;
    Ref<TAnim> Anim;
    int ParticlesOnly = 0;
    int AlphaIn = 0;
    int Delay = 0;
    // The size its tile gives it while attached (the gem grows in there).
    float SizeOnTile = 1;

    // Leaves the board for the counter (with the release sound unless
    // silent).
    virtual void PopToMain(int silent);
    virtual void Update();
    virtual void Render();
    virtual float DrawX();
    virtual float DrawY();

  private:
    void FlightStep();
    void FadeOutSparkles();
    void Shine();
    float BoardScale() const;
};

extern TList<Ref<Gem>> GemsInFlight;

// A gem reached the counter: it counts for the level, and still for the
// result after the level is won, until the quest map takes the result.
void CountGem();
// Start of a level: no gems counted, none flying.
void ResetGems();
void UpdateGems();
void RenderGems();

} // namespace wispwood
