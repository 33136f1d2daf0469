#include "game/level/bonus_images.h"
#include "engine/draw/image.h"
#include "framework/images/game_image.h"

namespace wispwood {

BonusImageSet BonusImages;

namespace {

Ref<TImage> CentredSheet(const Text& path, int cell, int count) {
    Ref<TImage> image = LoadGameFramedImage(path, cell, cell, 0, count);
    if (image) CentreImageHandle(image);
    return image;
}

} // namespace

void LoadBonusImages() {
    BonusImageSet& b = BonusImages;
    b.Container = LoadGameImage("media\\bonus\\container.png");
    SetImageHandleRelative(b.Container, 0.5f, 0);
    b.Tick = LoadGameImage("media\\bonus\\tick.png");
    b.TickBase = LoadGameImage("media\\bonus\\tickbase.png");
    b.Strike = LoadCentredGameImage("media\\bonus\\strike.png");
    b.Oops = LoadCentredGameImage("media\\bonus\\oops.png");
    b.FlyLeft = CentredSheet("media\\bonus\\fairy-fly-left.png", 104, 3);
    b.FlyRight = CentredSheet("media\\bonus\\fairy-fly-right.png", 104, 3);
    b.FairyTile = CentredSheet("media\\blocks\\fairy-tile-d.png", 52, 8);
    b.HiddenTile = CentredSheet("media\\blocks\\blank.png", 52, 25);
    b.Gem = CentredSheet("media\\blocks\\gem.png", 96, 16);
}

void ResetBonusImages() {
    BonusImages = BonusImageSet{};
}

} // namespace wispwood
