#pragma once
// Pictures drawn around pieces rather than as them: the
// destroyers' beam and the crumbling pieces' rubble.
#include "engine/core/ref.h"
#include <vector>

namespace wispwood {

class TImage;

struct BeamRubbleImageSet {
    // Handle at the top middle: a beam is stretched down (or, rotated,
    // sideways) from where it starts.
    Ref<TImage> DestroyFlash;
    std::vector<Ref<TImage>> CrumblingRubble; // four bits, handles centred
};

extern BeamRubbleImageSet BeamRubbleImages;

void LoadBeamRubbleImages();
void ResetBeamRubbleImages();

} // namespace wispwood
