// Crumbling pieces: whole, then cracked, then gone. A match or a selection
// breaks one; every crumbling piece touching a broken one follows, a stage
// every 5 updates.
#include "engine/io/random.h"
#include "engine/io/text_convert.h"
#include "game/board/beam_rubble_images.h"
#include "game/board/board.h"
#include "game/board/board_particles.h"
#include "game/board/falling_pieces.h"
#include "game/board/piece_images.h"
#include "game/board/powerup.h"

namespace wispwood {

namespace {

constexpr int kUpdatesPerStage = 5;
constexpr int kRubblePieces = 4;

float RandomSign() {
    return RandomInt(0, 1) ? 1.0f : -1.0f;
}

} // namespace

CrumblingPiece::CrumblingPiece() : Powerup("crumbling0", BlockImages.Crumbling) {}

void CrumblingPiece::SetStage(int stage) {
    CrumblingProgress = stage;
    Name = "crumbling" + IntToText(stage);
    if (stage >= 1) Frame = 1;
}

void CrumblingPiece::Update() {
    // Crumbling removes the piece from the grid, which may hold the last
    // reference to it.
    Ref<Piece> self = weak_from_this().lock();
    Powerup::Update();
    if (MahjongOver && AutoCrumblingProgress == 0) AutoCrumblingProgress = 1;
    // One that fell out of the grid breaks no further.
    if (AutoCrumblingProgress != 0 && CrumblingProgress < 3 && OnBoard) {
        AutoCrumblingProgress += 1;
        if (AutoCrumblingProgress > kUpdatesPerStage) {
            AutoCrumblingProgress = 1;
            Crumble();
        }
    }
}

int CrumblingPiece::Crumble() {
    if (CrumblingProgress >= 2) return 0;
    Particles();
    if (CrumblingProgress == 1) {
        ActivateSurroundings();
        RemoveFromBoard(1);
        DropUnsupported();
        SetStage(2);
        return 1;
    }
    SetStage(1);
    return 0;
}

int CrumblingPiece::Activate() {
    Crumble();
    // A cracked piece stays on the board; still marked, the next match
    // anywhere would break it again.
    MarkForDestruction = 0;
    return 1;
}

void CrumblingPiece::ActivateSurroundings() {
    static const int offsets[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (const auto& o : offsets) {
        Ref<Piece> next = PieceAt(x + o[0], y + o[1]);
        auto crumbling = Cast<CrumblingPiece>(next);
        if (crumbling && crumbling->AutoCrumblingProgress == 0) crumbling->AutoCrumblingProgress = 1;
    }
}

void CrumblingPiece::Particles() {
    const auto& rubble = BeamRubbleImages.CrumblingRubble;
    for (int i = 0; i < kRubblePieces; ++i) {
        Ref<wispwood::Particle> p = BoardEffects.AddParticle();
        if (rubble.size() >= 2) p->Image = rubble[RandomInt(0, 1)];
        p->x = static_cast<float>(GetX()) + RandomFloatF(0.2f, 0.8f) * static_cast<float>(CellWidth);
        p->y = static_cast<float>(GetY()) + RandomFloatF(0.2f, 0.8f) * static_cast<float>(CellHeight);
        p->TotalLife = 200;
        p->dx = RandomFloatF(0.5f, 0.8f) * RandomSign() * 1.2f;
        p->dy = RandomFloatF(-1.8f, 0) * 1.2f;
        p->dRotation = RandomFloatF(1, 3) * RandomSign() * 1.2f;
        p->ay = 0.096f;
    }
}

} // namespace wispwood
