#pragma once
// One tile of the bonus game's grid: it turns over to show its fairy (on
// its own during the show, or when the player finds it), turns back when
// the player hides the fairies, and crumbles once it has done its part.
#include "engine/core/ref.h"
#include "engine/core/text.h"

namespace wispwood {

class TAnim;

class BonusBrick {
  public:
    Text Letter;
    int x = 0; // column 0 to 4
    int y = 0; // row 0 to 3
    int mover = 0;
    int onBoard = 1;
    int Other = 0;
    int Flipping = 0;
    int FlipDelay = 0;
    float Frame = 0; // 24: turned over, the fairy shows
    int TurningBackRound = 0;
    int Brighten = 0;
    int Animate = 0;
    int Treasure = 0; // a fairy hides here
    int TreasureDelay = 0;
    int FlippingParticles = 0;
    float moverprogress = 0; // hover highlight, 0 to 0.4
    Ref<TAnim> WaveAnim;

    BonusBrick();
    virtual ~BonusBrick() = default;

    // One update; anyHovered: an earlier tile already has the mouse.
    // Returns 1 when the mouse is over this tile.
    virtual int Update(int anyHovered);
    virtual void Crumble();
    virtual void RemoveFromBoard();
    // Offset of the tile from the grid's left edge; its top on screen.
    virtual int GetX();
    virtual int GetY();
    virtual void Render();

  private:
    void Flip();
    void Clicked();
};

// Tiles are 52 pixels wide on a 48-pixel pitch.
constexpr int BonusTileSize = 52;
constexpr int BonusTilePitch = 48;

// The fairy's wave once the tile is turned over.
Ref<TAnim> NewBonusWaveAnim();

} // namespace wispwood
