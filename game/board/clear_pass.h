#pragma once
// The clear pass: matched pieces burst one after another, from the bottom
// of the cleared area upwards and outwards from its centre column, each
// worth ten points more than the one before.
#include "framework/particles/particle.h"

namespace wispwood {

class Piece;

struct MarkedBoundsRect {
    int MinX = 0, MaxX = 0, MinY = 0, MaxY = 0;
};
extern MarkedBoundsRect MarkedBounds;
constexpr int kMarkedRowCount = 40;
extern int MarkedRows[kMarkedRowCount];

// The burst of one matched piece: it darkens and plays its burst frames,
// then leaves the board in shards with its points.
class DelayedExplosionLogic : public ParticleExtraLogic {
  public:
    Ref<Piece> piece;
    int SkipFrames = 0;
    void DelayedLogic(Particle& p) override;
    void Logic(Particle& p) override;
    void Death(Particle& p) override;
};

// Draws the bursting piece in the particle's place.
class PieceRenderLogic : public ParticleRenderOverride {
  public:
    Ref<Piece> piece;
    void Render(Particle& p) override;
};

// Bursts every marked piece (after a match or a bomb).
void ClearMarked();
// Starts one piece's burst; delay -1 takes it from the marked area.
void BurstPiece(const Ref<Piece>& piece, int delay, int points);

void ResetClearPass();

} // namespace wispwood
