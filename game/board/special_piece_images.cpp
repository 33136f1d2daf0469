#include "game/board/special_piece_images.h"
#include "engine/io/text_convert.h"
#include "framework/images/game_image.h"

namespace wispwood {

SpecialPieceImageSet SpecialPieceImages;

void LoadSpecialPieceImages() {
    SpecialPieceImageSet& s = SpecialPieceImages;
    s.DestroyFlash = LoadGameImage("media\\blocks\\destroyverticalflash.png");
    if (s.DestroyFlash) SetImageHandleRelative(s.DestroyFlash, 0.5f, 0);
    s.CrumblingRubble.clear();
    for (int n = 1; n <= 4; ++n)
        s.CrumblingRubble.push_back(
            LoadCentredGameImage("media\\blocks\\crumbling\\crumblingshrapnel" + IntToText(n) + ".png"));
}

void ResetSpecialPieceImages() {
    SpecialPieceImages = SpecialPieceImageSet{};
}

} // namespace wispwood
