#pragma once
// The pictures of gem tiles and of the gem itself (board, flights, panel).
#include "engine/core/ref.h"

namespace wispwood {

class TImage;

struct GemImageSet {
    Ref<TImage> Blank;   // the tile: 25 frames of 52 x 52
    Ref<TImage> Pickaxe; // centred
    Ref<TImage> Gem;     // 16 frames of 96 x 96, centred
};

extern GemImageSet GemImages;

// A loading-screen step.
void LoadGemImages();
void ResetGemImages();

} // namespace wispwood
