#pragma once
// Pictures of the quota bottle, its liquid and waves, the quota particles
// and the rings of a completed quota.
#include "engine/core/ref.h"

namespace wispwood {

class TImage;

struct QuotaImageSet {
    Ref<TImage> Bottle;
    Ref<TImage> Full; // the liquid, shown below its surface
    Ref<TImage> Wave;
    Ref<TImage> Overlay;
    Ref<TImage> Mask;
    Ref<TImage> Sprite; // a piece's particle, its glow and its trail
    Ref<TImage> FireSprite;
    Ref<TImage> SpriteTrail;
    Ref<TImage> ComboSilver;
    Ref<TImage> ComboGold;
    Ref<TImage> DoneThin; // the ring that sweeps the board to gold
    Ref<TImage> Done;
};

extern QuotaImageSet QuotaImages;

// The bottle's pictures from "media\game" and the combo particles.
void LoadQuotaImages();
// Sizes of the bottle picture, 0 while it is not loaded.
int BottleWidth();
int BottleHeight();

void ResetQuotaImages();

} // namespace wispwood
