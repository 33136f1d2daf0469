#pragma once
// Pictures of the board's effects and of the feedback over it: sparkles,
// burst shards, selection outlines, score popups and the side panel icons.
#include "engine/core/ref.h"
#include <vector>

namespace wispwood {

class TImage;

struct EffectImageSet {
    Ref<TImage> Star; // the shared sparkle pair
    Ref<TImage> Twinkle;
    Ref<TImage> StarGold; // the pair of gold texts
    Ref<TImage> TwinkleGold;
    // Outline sprites at 48-pixel cells and their small versions.
    Ref<TImage> OutlineEdge, OutlineCorner, OutlineSmallCorner;
    Ref<TImage> OutlineEdgeSmall, OutlineCornerSmall, OutlineSmallCornerSmall;
    Ref<TImage> ScoreBacking;
    Ref<TImage> AddToScore;
    Ref<TImage> LivesIcon;
    Ref<TImage> GemsIcon;
    std::vector<Ref<TImage>> Confetti; // blue, purple, white, black strips
};

extern EffectImageSet EffectImages;

// The sparkle pair that every screen shares.
void LoadSparkleImages();
// The gold sparkles and the outline sprites, with the piece images.
void LoadBoardEffectImages();
// The side panel's icons, the score backing and the flying score ball.
void LoadPanelImages();
// The four confetti strips.
void LoadConfettiImages();

void ResetEffectImages();

} // namespace wispwood
