#pragma once
// Quota particles: every coloured piece that leaves the board and every
// combo sends a glowing particle into the bottle beside the board. It first
// shoots away from where the player clicked, then eases onto a path to the
// bottle's mouth, where it drops into the liquid. The drop counts towards
// the quota when it reaches the surface.
#include "engine/core/tlist.h"
#include "framework/particles/particle.h"

namespace wispwood {

class Piece;
class PieceDefinition;

class QuotaParticle : public std::enable_shared_from_this<QuotaParticle> {
  public:
    int Invalid = 0; // the level restarted while it flew: it adds nothing
    float startx = 0;
    float starty = 0;
    float x = 0;
    float y = 0;
    float Progress = 0;
    int Value = 1; // pieces carried: 1, or a combo's member count
    float Scale = 1;
    float realx = 0; // the ballistic launch the flight blends out of
    float realy = 0;
    float realdy = 0;
    float realdx = 0;
    float lastframex = 0;
    float lastframey = 0;
    int Combo = 0; // 0 a piece, 1 a silver combo, 2 a gold combo
    int Ticks = 0;
    int Bad = 0;
    float targetx = 0; // the bottle mouth
    Ref<PieceDefinition> Definition;

    virtual ~QuotaParticle() = default;
    // One update of the flight; on arrival the particle leaves
    // QuotaParticles and, unless Invalid, drops into the bottle.
    virtual void Update();
    virtual void Render();
};

// The drop that falls from the mouth into the liquid.
class ParticleLogicQuotaDrop : public ParticleExtraLogic {
  public:
    int inc = 1; // 1: it counts when it lands
    Ref<Piece> piece;
    int Value = 0;
    int Combo = 0; // a combo's drop lands 10 pixels higher and splashes more

    void Logic(Particle& p) override;
    // Counts Value into the quota (not during game over) and starts the
    // quota-done rings the moment the quota is complete.
    void Death(Particle& p) override;
};

extern TList<Ref<QuotaParticle>> QuotaParticles;
// Quota particles made since the last clear pass began.
extern int QuotaParticleCount;
// The bottle's corner on screen, refreshed from the layout every update.
extern float BottleX;
extern float BottleY;
// The flying particles' trails.
extern ParticleGroup QuotaTrails;

// The particle of a piece that leaves the board (force 1 from its removal,
// force 0 when its burst ends). Only ordinary coloured pieces send one; an
// unforced particle that would be the first of a clear pass is skipped.
void PieceQuotaParticle(Piece& piece, int force);
// The particle of a silver (gold 0) or gold combo carrying count pieces.
void ComboQuotaParticle(float x, float y, int gold, int count);
// A clear pass begins.
void ResetQuotaParticleCount();
// Starts a flight from (x, y); the launch leads away from the last click,
// straight up when the start is the click point itself.
Ref<QuotaParticle> LaunchQuotaParticle(float x, float y, int value, int combo);

void RefreshBottlePosition();
void UpdateQuotaParticles();
void RenderQuotaParticles();
// No particles in flight, no trails, the count at 0.
void ResetQuotaParticles();

} // namespace wispwood
