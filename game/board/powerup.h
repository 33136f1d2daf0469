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

// Clears every reachable coloured piece.
class Bomb : public Powerup {
  public:
    Bomb();
    Ref<TAnim> anim;
    void UpdateAnimation() override;
    void RenderAt(float x, float y) override;
    int Normal() override { return 0; }
    int Activate() override;
};

// Row and column destroyers: a beam bursts every other piece in its line.
class DestroyPiece : public Powerup {
  public:
    using Powerup::Powerup;
    void UpdateAnimation() override {}
    int GetY() override { return Piece::GetY(); }
    int Normal() override { return 0; }
    void MovedDown() override {}
    // Removes itself.
    int Activate() override;

  protected:
    // The beam takes a piece with the given delay, unless it cannot be
    // nuked or already bursts.
    void Blast(const Ref<Piece>& piece, int delay);
    // The rest of the match (the partner destroyer) is cleared, then this
    // one leaves. A destroyer fires once: the nested pass may reach one
    // that has already gone.
    int FinishActivation();
};

class DestroyHorizontalPiece : public DestroyPiece {
  public:
    DestroyHorizontalPiece();
    int Activate() override;
};

class DestroyVerticalPiece : public DestroyPiece {
  public:
    DestroyVerticalPiece();
    int Activate() override;
};

// Sends the two halves of an extra life flying; the left one gives it.
class ExtraLife : public Powerup {
  public:
    ExtraLife();
    int Normal() override { return 0; }
    int Activate() override;
};

// Shakes the board (earthquake.h).
class Earthquake : public Powerup {
  public:
    Earthquake();
    int Normal() override { return 0; }
    int Activate() override;
};

class CrumblingPiece : public Powerup {
  public:
    CrumblingPiece();
    int CrumblingProgress = 0; // 0 whole, 1 cracked, 2 gone
    int AutoCrumblingProgress = 0;

    void DoPowerupTwinkle() override {}
    void Update() override;
    int Normal() override { return 0; }
    // Never bursts: a match breaks it one stage.
    int Activate() override;
    // One stage further: whole to cracked, cracked to gone (1 when gone).
    virtual int Crumble();
    // Sets off every crumbling neighbour that is still idle.
    virtual void ActivateSurroundings();
    // Rubble flying off.
    virtual void Particles();
    // Sets the stage a saved game recorded: its name and cracked frame follow.
    void SetStage(int stage);
};

} // namespace wispwood
