#pragma once
// A level: the parameter record the board consults while a game runs.
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include <vector>

namespace wispwood {

class Piece;
class TImage;

class Level {
  public:
    virtual ~Level() = default;

    int n = 0;
    int CreationOverride = 0;
    int VineCreationOverride = 0;
    int Gaps = 0;
    int _Width = 10;
    float _Speed = 2.0f;
    int _Quota = 100;
    int NewPieceStoneWall = 0;
    int FirstStoneWall = 1;
    int FirstGem = 5;
    std::vector<int> Colors;
    std::vector<int> BonusColors;
    std::vector<int> Columns;
    int RainbowFrequency = 0;
    int BombFrequency = 0;
    int StonePieceFrequency = 0;
    int ExtraLifeFrequency = 0;
    int DestroyVerticalFrequency = 0;
    int DestroyHorizontalFrequency = 0;
    int EarthquakeFrequency = 0;
    std::vector<Ref<TImage>> PieceImages;
    int PieceWidth = 0;
    int PieceHeight = 0;
    float GroupFactor = 0.0f;
    int GemFrequency = 0;
    int BlockProducingVines = 0;
    int Time = 0;
    int StopScrolling = 0;
    int BonusNumber = 0;
    int DoneQuotaBottleEffect = 0;
    int ConfettiEffect = 0;
    int LastRowComplete = 0;

    virtual int HasComic();
    virtual int ComicNumbeR();
    virtual int BonusColor();
    virtual int Quota();
    virtual float AdvanceSpeed();
    virtual int MaxColor();
    // One cell of a new row, null for an empty cell (the row generator's
    // rule, in new_piece.cpp).
    virtual Ref<Piece> NewPiece(int x, int forceNormal);
    virtual Ref<Piece> NewPieceQuotaFinished(int x);
    virtual int Width();
};

// Played as the bonus game: no starting rows and no timer.
class BonusLevel : public Level {};

inline bool IsBonusLevel(const Level& level) {
    return dynamic_cast<const BonusLevel*>(&level) != nullptr;
}

// The level's image for a colour, or null when it has none.
Ref<TImage> LevelPieceImage(const Level* level, int colour);

} // namespace wispwood
