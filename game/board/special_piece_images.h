#pragma once
// The pictures the special pieces need besides their own faces: the
// destroyers' beam and the crumbling pieces' rubble.
#include "engine/core/ref.h"
#include <vector>

namespace wispwood {

class TImage;

struct SpecialPieceImageSet {
    // Handle at the top middle: a beam is stretched down (or, rotated,
    // sideways) from where it starts.
    Ref<TImage> DestroyFlash;
    std::vector<Ref<TImage>> CrumblingRubble; // four bits, handles centred
};

extern SpecialPieceImageSet SpecialPieceImages;

void LoadSpecialPieceImages();
void ResetSpecialPieceImages();

} // namespace wispwood
