#include "game/board/quota_images.h"
#include "engine/draw/image.h"
#include "framework/images/game_image.h"

namespace wispwood {

QuotaImageSet QuotaImages;

void LoadQuotaImages() {
    QuotaImageSet& q = QuotaImages;
    const Text dir = "media\\game\\";
    q.Bottle = LoadGameImage(dir + "quotabottle.png");
    q.Full = LoadGameImage(dir + "quotabottlefull.png");
    q.Overlay = LoadGameImage(dir + "quotabottleoverlay.png");
    q.Mask = LoadGameImage(dir + "quotabottlemask.png");
    q.Wave = LoadCentredGameImage(dir + "quotabottlewave.png");
    q.Sprite = LoadCentredGameImage(dir + "quotasprite.png");
    q.FireSprite = LoadCentredGameImage(dir + "quotafiresprite.png");
    q.SpriteTrail = LoadCentredGameImage(dir + "quotaspritetrail.png");
    q.DoneThin = LoadCentredGameImage(dir + "quotadonethin.png");
    q.Done = LoadCentredGameImage(dir + "quotadone.png");
    q.ComboSilver = LoadCentredGameImage("media\\particles\\comboquotasilver.png");
    q.ComboGold = LoadCentredGameImage("media\\particles\\comboquotagold.png");
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
