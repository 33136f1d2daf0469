#pragma once
// Pieces that lost their hold on the top of the board: they leave the grid,
// fall to the floor of their column (or are caught by a held part of the
// board lower down) and pile up there until they join a combo group.
#include "engine/core/ref.h"
#include "engine/core/tlist.h"

namespace wispwood {

class Particle;
class Piece;

// A piece that left the grid and falls, then lies on its column's stack.
// Positions are those of the piece's drawing: x from the screen's left
// edge, y in board coordinates.
class PieceParticle {
  public:
    Ref<Particle> Score; // its 10-point popup, once made
    Ref<Piece> p;
    float dy = 0;
    float ay = 0; // set while lying on a stack; never applied
    float x = 0;
    float y = 0;
    int columnx = 0;
    int columny = 0;
    int stacked = 0; // 0 while falling, else updates on the stack + 1
    float Alpha = 2.0f;
    int Finished = 0;
    int Inert = 0; // falls through the floor during a level end
    int ComboGroup = 0;
    int Morphing = 0;
    int MorphingBase = 0;
    int MorphingGold = 0;
    int AnimDelay = 40;
    int MorphingFrame = 12;
    int StopAnimating = 0;
    int ShowScore = 0;
    int ToPlaySound = 0;

    virtual ~PieceParticle() = default;
    // Records of FallingPieces in the same column lying lower down.
    virtual int Under();
    virtual void Render();
};

// The pieces one drop pass released.
class PieceParticleGroup {
  public:
    TList<Ref<PieceParticle>> PieceParticles;
    virtual ~PieceParticleGroup() = default;
    // 1 when none of its pieces is still falling.
    virtual int Finished();
    virtual float AverageX();
};

// Newest first.
extern TList<Ref<PieceParticle>> FallingPieces;
extern TList<Ref<PieceParticleGroup>> FallingGroups;
extern Ref<PieceParticleGroup> CurrentFallingGroup;

// Every piece that is no longer held by the top row (and is neither
// bursting, gold nor holding itself up) leaves the grid and starts to fall.
void DropUnsupported();
// The piece leaves the grid and falls on its own (an earthquake's drop).
void DropPiece(const Ref<Piece>& piece);
// One update: falling, landing, catching, then the combo groups. While the
// level ends (its success, try-again or game-over sequence runs), fallen
// pieces drop out of the screen instead of stacking.
void UpdateFallingPieces(bool levelEnding);
// Nothing falling, lying or grouped (a level start, and start-up state).
void ResetFalling();
// Every record in the order its piece left the grid; the caller sets the
// origin to (0, BoardTop()).
void RenderFallingPieces();

// 1 while any fallen piece is still falling or lying on a stack.
int AnyPieceFalling();
// The record that carries the piece, or null.
Ref<PieceParticle> FallingRecordOf(const Piece& piece);
// Takes the record out of FallingPieces and out of its drop group.
void ForgetFallingPiece(const Ref<PieceParticle>& record);

} // namespace wispwood
