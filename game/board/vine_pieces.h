#pragma once
// Vines: a chain of bodies with a head at each end. Two heads of one vine
// match; bodies cannot be picked.
#include "game/board/powerup.h"

namespace wispwood {

class VineCoin;

class VineBase : public Powerup {
  public:
    using Powerup::Powerup;
    int HasCoin = 0;
    Ref<VineCoin> CoinInstance;
    // Head: direction of its one neighbour (0 below, 1 left, 2 above,
    // 3 right). Body: shape (1 vertical, 2 horizontal, 3 cross, 4 above and
    // right, 5 right and below, 6 below and left, 7 left and above).
    int Overlay = 0;
    int _Tag = 0;
    int _Activated = 0;
    int DestroyDelay = 0;
    int CheckTicks = 0;

    int Normal() override { return 0; }
    int BlockGravity() override { return DestroyDelay > 0 ? 1 : 0; }
    // 1 when the piece is on the board and the cell at that offset holds a
    // vine piece.
    virtual int VineAt(int dx, int dy);
    // Marks this piece; 1 when the target is reached through adjacent vine
    // pieces not yet marked.
    virtual int FindVineInPath(const Ref<Piece>& target);
};

class VineHead : public VineBase {
  public:
    VineHead();
    int ID = 0;
    // Two heads match only when they end the same vine.
    int OverrideEquivilance(const Ref<Piece>& other) override;
};

class VineBody : public VineBase {
  public:
    VineBody();
    void DoPowerupTwinkle() override {}
    int InvalidForSelection() override { return 1; }
    int MOverValidForHeight() override { return 0; }
    int FullBright() override { return 1; }
};

} // namespace wispwood
