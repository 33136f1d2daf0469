#include "game/board/beam_rubble_images.h"
#include "engine/io/text_convert.h"
#include "framework/images/game_image.h"

namespace wispwood {

BeamRubbleImageSet BeamRubbleImages;

void LoadBeamRubbleImages() {
    BeamRubbleImageSet& s = BeamRubbleImages;
    s.DestroyFlash = LoadGameImage("media\\blocks\\destroyverticalflash.png");
    if (s.DestroyFlash) SetImageHandleRelative(s.DestroyFlash, 0.5f, 0);
    s.CrumblingRubble.clear();
    for (int n = 1; n <= 4; ++n)
        s.CrumblingRubble.push_back(
            LoadCentredGameImage("media\\blocks\\crumbling\\crumblingshrapnel" + IntToText(n) + ".png"));
}

void ResetBeamRubbleImages() {
    BeamRubbleImages = BeamRubbleImageSet{};
}

} // namespace wispwood
