#pragma once
// The quota bottle beside the board: the glass, the liquid below its
// surface with waves riding it, the flying particles, overlay and mask.
#include "engine/core/ref.h"
#include "engine/core/tlist.h"

namespace wispwood {

class TImage;

// A wave sprite on the liquid's surface.
class QuotaBottleWave {
  public:
    Ref<TImage> im;
    int Frame = 0;
    float x = 0; // along the surface, and its speed
    float dx = 0;
    float basesy = 0;
    float ticks = 0;
    float sx = 1;
    float sy = 1;
    int factor = 2; // how much ticks grows per update

    virtual ~QuotaBottleWave() = default;
    virtual void Update();
    virtual void Render();
};

extern TList<Ref<QuotaBottleWave>> QuotaWaves;

void UpdateQuotaWaves();
void RenderQuotaBottle();
void ResetQuotaWaves();

} // namespace wispwood
