#include "game/board/effect_images.h"
#include "engine/draw/image.h"
#include "framework/images/game_image.h"

namespace wispwood {

EffectImageSet EffectImages;

namespace {

Ref<TImage> LoadCentred(const Text& path) {
    Ref<TImage> image = LoadGameImage(path);
    if (image) CentreImageHandle(image);
    return image;
}

} // namespace

void LoadSparkleImages() {
    EffectImages.Star = LoadCentred("media\\particles\\star.png");
    EffectImages.Twinkle = LoadCentred("media\\particles\\twinkle.png");
}

void LoadBoardEffectImages() {
    EffectImageSet& e = EffectImages;
    e.StarGold = LoadCentred("media\\particles\\star-gold.png");
    e.TwinkleGold = LoadCentred("media\\particles\\twinkle-gold.png");
    const Text dir = "media\\particles\\";
    e.OutlineEdge = LoadCentred(dir + "horizontal.png");
    e.OutlineCorner = LoadCentred(dir + "corner.png");
    e.OutlineSmallCorner = LoadCentred(dir + "smallcorner.png");
    e.OutlineEdgeSmall = LoadCentred(dir + "horizontalsmall.png");
    e.OutlineCornerSmall = LoadCentred(dir + "cornersmall.png");
    e.OutlineSmallCornerSmall = LoadCentred(dir + "smallcornersmall.png");
}

void LoadPanelImages() {
    EffectImageSet& e = EffectImages;
    e.LivesIcon = LoadGameImage("media\\game\\livesicon.png");
    e.GemsIcon = LoadGameImage("media\\game\\gemsicon.png");
    e.ScoreBacking = LoadCentred("media\\blocks\\scorebacking.png");
    e.AddToScore = LoadCentred("media\\particles\\addtoscore.png");
}

void LoadConfettiImages() {
    EffectImages.Confetti = LoadFramedImageList({"f-blue.png", "f-purple.png", "f-white.png", "f-black.png"},
                                                "media\\particles", 32, 32, 0, 32, -1);
}

void ResetEffectImages() {
    EffectImages = EffectImageSet{};
}

} // namespace wispwood
