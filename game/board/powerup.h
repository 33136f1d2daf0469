#pragma once
// Powerups: specials that two of a kind match and that act when matched
// (bombs, row and column destroyers, extra lives, earthquakes, crumbling
// pieces; vines are powerups too, in vine_pieces.h).
#include "game/board/piece.h"

namespace wispwood {

class TAnim;

class Powerup : public Piece {
  public:
    Powerup();

    int Activated = 0;
    int id = 0;

    void Update() override;
    // Non-zero: the powerup removed itself and must not burst.
    virtual int Activate();

  protected:
    Powerup(const Text& name, const Ref<TImage>& image);
};

class Bomb : public Powerup {
  public:
    Bomb();
    Ref<TAnim> anim;
    int Normal() override { return 0; }
};

class DestroyPiece : public Powerup {
  public:
    using Powerup::Powerup;
    int Normal() override { return 0; }
    void MovedDown() override {}
};

class DestroyHorizontalPiece : public DestroyPiece {
  public:
    DestroyHorizontalPiece();
};

class DestroyVerticalPiece : public DestroyPiece {
  public:
    DestroyVerticalPiece();
};

class ExtraLife : public Powerup {
  public:
    ExtraLife();
    int Normal() override { return 0; }
};

class Earthquake : public Powerup {
  public:
    Earthquake();
    int Normal() override { return 0; }
};

class CrumblingPiece : public Powerup {
  public:
    CrumblingPiece();
    int CrumblingProgress = 0; // 0 whole, 1 cracked, 2 gone
    int AutoCrumblingProgress = 0;

    void DoPowerupTwinkle() override {}
    int Normal() override { return 0; }
    // Sets the stage a saved game recorded: its name and cracked frame follow.
    void SetStage(int stage);
};

} // namespace wispwood
