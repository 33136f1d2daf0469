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

    void Update() override;
    void RenderAt(float x, float y) override;
    int Normal() override { return 0; }
    // Removing a vine piece by any means sets its vine burning.
    void RemoveFromBoard(int dropUnsupported) override;
    int BlockGravity() override { return DestroyDelay > 0 ? 1 : 0; }
    virtual void ActivateSurroundings() {}
    // The picture for the piece's shape, or null.
    virtual Ref<TImage> GetImage() { return nullptr; }
    // 1 when the piece is on the board and the cell at that offset holds a
    // vine piece.
    virtual int VineAt(int dx, int dy);
    // Starts the piece burning: it goes after delay updates, and the vine
    // pieces its shape joins catch fire 10 updates later each.
    virtual void DoActivate(int delay);
    // Marks this piece; 1 when the target is reached through adjacent vine
    // pieces not yet marked.
    virtual int FindVineInPath(const Ref<Piece>& target);

  protected:
    // Whether the shape reaches the neighbour at (dx, dy).
    virtual bool ConnectsTo(int dx, int dy);

  private:
    // The destroy delay ran out.
    void Burn();
    int VineNeighbours();
};

class VineHead : public VineBase {
  public:
    VineHead();
    int ID = 0;
    // Two heads match only when they end the same vine.
    int OverrideEquivilance(const Ref<Piece>& other) override;
    // The selected head (or any head while a rainbow is selected) sets its
    // vine burning; the other head of the match waits for the fire.
    int Activate() override;
    Ref<TImage> GetImage() override;

  protected:
    bool ConnectsTo(int dx, int dy) override;
};

class VineBody : public VineBase {
  public:
    VineBody();
    void DoPowerupTwinkle() override {}
    int InvalidForSelection() override { return 1; }
    int MOverValidForHeight() override { return 0; }
    int FullBright() override { return 1; }
    Ref<TImage> GetImage() override;
};

// The cell offset of a head's direction (0 below, 1 left, 2 above, 3 right).
void HeadDirection(int overlay, int& dx, int& dy);

} // namespace wispwood
