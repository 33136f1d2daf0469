#pragma once
// The purple flights that unlock the locations of a region on the quest
// map, one after another, once its temple is completed.
#include "engine/core/tlist.h"
#include "framework/particles/particle.h"
#include "framework/particles/velocity_into_path.h"

namespace wispwood {

class QuestSpot;

class TempleParticle {
  public:
    virtual ~TempleParticle() = default;

    Ref<VelocityIntoPath> Movement;
    Ref<QuestSpot> Target;
    int Unlock = 0;

    // A flight from the start to the target's location, appended to
    // TempleParticles.
    static Ref<TempleParticle> Create(float startX, float startY, const Ref<QuestSpot>& target, int unlock);
    // 1 when an unlocking flight targets spot (any flight when spot is null).
    static int AnyUnlocking(const QuestSpot* spot);
    static void UpdateAll();

    // A trail of sparkles; on arrival a small burst, or a big one with the
    // gold reveal sound for a temple, and the flight is gone.
    virtual void Update();
};

extern TList<Ref<TempleParticle>> TempleParticles;

// A purple sparkle of the map at (x, y).
Ref<Particle> AddPurpleSparkle(float x, float y);

} // namespace wispwood
