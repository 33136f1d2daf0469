#include "game/board/fairy_glow_images.h"
#include "engine/draw/image.h"
#include "framework/images/game_image.h"
#include "game/board/vine_coin.h"

namespace wispwood {

FairyGlowImageSet FairyGlowImages;

namespace {

Ref<TImage> LoadFrames(const Text& path, int cell, int count, bool centred) {
    Ref<TImage> image = LoadGameFramedImage(path, cell, cell, 0, count);
    float handle = centred ? static_cast<float>(cell) / 2 : 0;
    if (image) SetImageHandle(image, handle, handle);
    return image;
}

} // namespace

void LoadFairyGlowImages() {
    FairyGlowImageSet& s = FairyGlowImages;
    s.FairyTileIdle = LoadFrames("media\\blocks\\fairy-tile-c.png", 52, 8, false);
    s.Cobweb = LoadGameImage("media\\game\\cobweb.png");
    SetImageHandleRelative(s.Cobweb, 0, 0.5f);
    s.FairyFlyLeft = LoadFrames("media\\game\\fairy-fly-left.png", 104, 3, true);
    s.FairyFlyRight = LoadFrames("media\\game\\fairy-fly-right.png", 104, 3, true);
    s.Glow = LoadCentredGameImage("media\\highscores\\glow.png");
    s.Wizzlestaff = LoadCentredGameImage("media\\particles\\wizzlestaff.png");
    LoadVineCoinImages();
}

void ResetFairyGlowImages() {
    FairyGlowImages = FairyGlowImageSet{};
    CoinImage = nullptr;
}

} // namespace wispwood
