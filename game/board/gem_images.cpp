#include "game/board/gem_images.h"
#include "engine/draw/image.h"
#include "framework/images/game_image.h"

namespace wispwood {

GemImageSet GemImages;

void LoadGemImages() {
    GemImages.Pickaxe = LoadCentredGameImage("media\\blocks\\pickaxe.png");
    GemImages.Blank = LoadGameFramedImage("media\\blocks\\blank.png", 52, 52, 0, 25);
    GemImages.Gem = LoadGameFramedImage("media\\blocks\\gem.png", 96, 96, 0, 16);
    if (GemImages.Gem) CentreImageHandle(GemImages.Gem);
}

void ResetGemImages() {
    GemImages = GemImageSet{};
}

} // namespace wispwood
