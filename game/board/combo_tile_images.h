#pragma once
// The silver and gold tiles fallen pieces turn into when they form a combo:
// sheets of 25 frames of one shimmer.
#include "engine/core/ref.h"

namespace wispwood {

class TImage;

struct ComboTileImageSet {
    Ref<TImage> Gold;
    Ref<TImage> Silver;
};

extern ComboTileImageSet ComboTileImages;

// Loads both sheets (a loading-screen step).
void LoadComboTileImages();

void ResetComboTileImages();

} // namespace wispwood
