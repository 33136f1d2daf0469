#pragma once
// The gem and medal flights of the quest map: after a level the gems it
// freed fly from the location into the rank panel's slots and the medal
// into its counter, moving the panel's shown counters as they land.
#include "engine/core/tlist.h"
#include "framework/anim/anim.h"
#include "framework/particles/velocity_into_path.h"

namespace wispwood {

class GemParticle {
  public:
    virtual ~GemParticle() = default;

    Ref<VelocityIntoPath> Movement;
    int Delay = 180;
    Ref<TAnim> anim;
    int RankUp = 0;
    int Medal = 0; // 0 gem, 1 silver, 2 gold

    // A flight from (x, y) to (tx, ty), appended to GemParticles; a gem aims
    // at the middle of the slot whose corner is (tx, ty).
    static Ref<GemParticle> Create(float x, float y, float tx, float ty, int medal);
    // 1 when a gem flight exists, or (with a = b = 0) a medal flight whose
    // delay has run out.
    static int Any(int a, int b);
    static void UpdateAll();
    static void RenderAll();

    virtual void Update();
    virtual void Render();

  private:
    void Arrive();
};

extern TList<Ref<GemParticle>> GemParticles;

} // namespace wispwood
