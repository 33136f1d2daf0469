#pragma once
// The pictures the special pieces draw besides their own tiles: the fairy
// tile's idle flutter and cobwebs, the freed fairy, the rainbow's glow and
// flash, and the vine coin.
#include "engine/core/ref.h"

namespace wispwood {

class TImage;

struct SpecialEffectImageSet {
    Ref<TImage> FairyTileIdle; // 8 frames of 52 pixels
    Ref<TImage> Cobweb;        // handle at its left middle
    Ref<TImage> FairyFlyLeft;  // 3 frames of 104 pixels, centred
    Ref<TImage> FairyFlyRight;
    Ref<TImage> Glow;
    Ref<TImage> Wizzlestaff;
};

extern SpecialEffectImageSet SpecialEffectImages;

// Loaded with the piece pictures.
void LoadSpecialEffectImages();
void ResetSpecialEffectImages();

} // namespace wispwood
