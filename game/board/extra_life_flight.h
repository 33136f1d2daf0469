#pragma once
// Extra-life flights: the two halves of a matched extra-life pair fly to
// the two top corners of the board; the one flying left awards the life
// (GainLife, extra_life.h).
// Positions are board-relative: the game scene draws them with the origin
// at (BoardLeft, 0).
#include "engine/core/tlist.h"
#include "framework/particles/particle.h"
#include <memory>

namespace wispwood {

class ExtraLifeParticle : public std::enable_shared_from_this<ExtraLifeParticle> {
  public:
    float x = 0; // where it was made
    float y = 0;
    float Progress = 0; // 0 to 1 along the flight
    float targetx = 0;
    float targety = 0;
    float startx = 0; // the start of the eased path
    float starty = 0;
    float realx = 0; // a free-flying point
    float realy = 0;
    float lastframex = 0;
    float lastframey = 0;
    float realdx = 0;
    float realdy = 0;
    int ParticleCreateTicks = 0; // paces the trail
    float drawx = 0;             // the flight's current position
    float drawy = 0;
    int Onleft = 0; // 1 for the half that flies to the left corner

    virtual ~ExtraLifeParticle() = default;

    virtual void Update();
    // The flight is seen through its trail only.
    virtual void Render() {}
};

extern TList<Ref<ExtraLifeParticle>> ExtraLifeFlights;
extern ParticleGroup ExtraLifeSparkles;

// A new flight from (x, y), board coordinates, appended to ExtraLifeFlights.
Ref<ExtraLifeParticle> CreateExtraLifeFlight(float x, float y);
// Sends the leftmost of every two unstarted flights to the left corner and
// the other to the right one. A flight without a partner keeps target x 0
// and awards nothing.
void PairExtraLifeFlights();
// The sparkles, then every flight.
void UpdateExtraLifeFlights();
void RenderExtraLifeFlights();
void ResetExtraLifeFlights();

} // namespace wispwood
