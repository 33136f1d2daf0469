#pragma once
// The pictures of the piece kinds and their overlays, loaded once with the
// piece images and shared by every piece.
#include "engine/core/ref.h"

namespace wispwood {

class TImage;

struct VineImageSet {
    Ref<TImage> BodyStraight[2]; // vertical, horizontal
    Ref<TImage> BodyCorner[4];   // shapes 4 to 7
    Ref<TImage> Head[4];         // directions 0 to 3
};

struct BlockImageSet {
    Ref<TImage> Bomb;
    Ref<TImage> DestroyHorizontal;
    Ref<TImage> DestroyVertical;
    Ref<TImage> ExtraLife;
    Ref<TImage> Earthquake;
    Ref<TImage> Crumbling;
    Ref<TImage> FairyTile;
    Ref<TImage> Rainbow;
    Ref<TImage> Lock;
    Ref<TImage> Key;
    Ref<TImage> Stone;
    Ref<TImage> BlockLocked;   // overlay of a locked piece
    Ref<TImage> DestroyLocked; // overlay of a piece carrying the unlocker
    Ref<TImage> ComboGold;     // the gold shimmer
    Ref<TImage> PathCorner;
    Ref<TImage> PathStraight;
    Ref<TImage> StoneVineHead;
    Ref<TImage> StoneVineBody;
    VineImageSet Vine;
};

extern BlockImageSet BlockImages;

// The two border images beside the board.
struct BoardFrameImageSet {
    Ref<TImage> Left;
    Ref<TImage> Right;
};
extern BoardFrameImageSet BoardFrameImages;

// Loads the colour definitions with their images (and the plain image
// arrays of both sets), every kind's image, the lock and unlocker overlays,
// the gold shimmer, the path tiles and the board frame. A picture that does
// not load is reported to the player and stays null.
void LoadPieceImages();

void ResetPieceImages();

} // namespace wispwood
