#include "game/board/quota_images.h"
#include "engine/draw/image.h"
#include "framework/images/game_image.h"

namespace wispwood {

QuotaImageSet QuotaImages;

namespace {

Ref<TImage> LoadCentred(const Text& path) {
    Ref<TImage> image = LoadGameImage(path);
    if (image) CentreImageHandle(image);
    return image;
}

} // namespace

void LoadQuotaImages() {
    QuotaImageSet& q = QuotaImages;
    const Text dir = "media\\game\\";
    q.Bottle = LoadGameImage(dir + "quotabottle.png");
    q.Full = LoadGameImage(dir + "quotabottlefull.png");
    q.Overlay = LoadGameImage(dir + "quotabottleoverlay.png");
    q.Mask = LoadGameImage(dir + "quotabottlemask.png");
    q.Wave = LoadCentred(dir + "quotabottlewave.png");
    q.Sprite = LoadCentred(dir + "quotasprite.png");
    q.FireSprite = LoadCentred(dir + "quotafiresprite.png");
    q.SpriteTrail = LoadCentred(dir + "quotaspritetrail.png");
    q.DoneThin = LoadCentred(dir + "quotadonethin.png");
    q.Done = LoadCentred(dir + "quotadone.png");
    q.ComboSilver = LoadCentred("media\\particles\\comboquotasilver.png");
    q.ComboGold = LoadCentred("media\\particles\\comboquotagold.png");
}

int BottleWidth() {
    return QuotaImages.Bottle ? ImageWidth(QuotaImages.Bottle) : 0;
}

int BottleHeight() {
    return QuotaImages.Bottle ? ImageHeight(QuotaImages.Bottle) : 0;
}

void ResetQuotaImages() {
    QuotaImages = QuotaImageSet{};
}

} // namespace wispwood
