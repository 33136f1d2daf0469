#pragma once
// Pictures drawn around pieces rather than as them: the fairy
// tile's idle flutter and cobwebs, the freed fairy, the rainbow's glow and
// flash, and the vine coin.
#include "engine/core/ref.h"

namespace wispwood {

class TImage;

struct FairyGlowImageSet {
    Ref<TImage> FairyTileIdle; // 8 frames of 52 pixels
    Ref<TImage> Cobweb;        // handle at its left middle
    Ref<TImage> FairyFlyLeft;  // 3 frames of 104 pixels, centred
    Ref<TImage> FairyFlyRight;
    Ref<TImage> Glow;
    Ref<TImage> Wizzlestaff;
};

extern FairyGlowImageSet FairyGlowImages;

// Loaded with the piece pictures.
void LoadFairyGlowImages();
void ResetFairyGlowImages();

} // namespace wispwood
