#include "game/board/effect_images.h"
#include "engine/draw/image.h"
#include "framework/images/game_image.h"

namespace wispwood {

EffectImageSet EffectImages;

void LoadSparkleImages() {
    EffectImages.Star = LoadCentredGameImage("media\\particles\\star.png");
    EffectImages.Twinkle = LoadCentredGameImage("media\\particles\\twinkle.png");
}

void LoadBoardEffectImages() {
    EffectImageSet& e = EffectImages;
    e.StarGold = LoadCentredGameImage("media\\particles\\star-gold.png");
    e.TwinkleGold = LoadCentredGameImage("media\\particles\\twinkle-gold.png");
    const Text dir = "media\\particles\\";
    e.OutlineEdge = LoadCentredGameImage(dir + "horizontal.png");
    e.OutlineCorner = LoadCentredGameImage(dir + "corner.png");
    e.OutlineSmallCorner = LoadCentredGameImage(dir + "smallcorner.png");
    e.OutlineEdgeSmall = LoadCentredGameImage(dir + "horizontalsmall.png");
    e.OutlineCornerSmall = LoadCentredGameImage(dir + "cornersmall.png");
    e.OutlineSmallCornerSmall = LoadCentredGameImage(dir + "smallcornersmall.png");
}

void LoadPanelImages() {
    EffectImageSet& e = EffectImages;
    e.LivesIcon = LoadGameImage("media\\game\\livesicon.png");
    e.GemsIcon = LoadGameImage("media\\game\\gemsicon.png");
    e.ScoreBacking = LoadCentredGameImage("media\\blocks\\scorebacking.png");
    e.AddToScore = LoadCentredGameImage("media\\particles\\addtoscore.png");
}

void LoadConfettiImages() {
    EffectImages.Confetti = LoadFramedImageList({"f-blue.png", "f-purple.png", "f-white.png", "f-black.png"},
                                                "media\\particles", 32, 32, 0, 32, -1);
}

void ResetEffectImages() {
    EffectImages = EffectImageSet{};
}

} // namespace wispwood
