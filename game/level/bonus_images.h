#pragma once
// The bonus game's pictures, loaded once with the game's other pictures.
#include "engine/core/ref.h"

namespace wispwood {

class TImage;

struct BonusImageSet {
    Ref<TImage> Container; // the grid's frame, handle at its top centre
    Ref<TImage> Tick;      // a found fairy on the counter
    Ref<TImage> TickBase;  // an empty counter slot
    Ref<TImage> Strike;
    Ref<TImage> Oops;    // shown at a wrong click, handle at its centre
    Ref<TImage> FlyLeft; // the freed fairy, 3 frames of 104 x 104
    Ref<TImage> FlyRight;
    Ref<TImage> FairyTile;  // the fairy waving, frames of 52 x 52
    Ref<TImage> HiddenTile; // the plain tile turning over, frames of 52 x 52
    Ref<TImage> Gem;        // the gems a perfect game gives
};

extern BonusImageSet BonusImages;

void LoadBonusImages();
void ResetBonusImages();

} // namespace wispwood
