// How a vine burns: from the selected head (or a removed piece) link by
// link, 10 updates apart, each link leaving sparkles, its coin and, on
// stone-vine levels, a block behind.
#include "engine/io/random.h"
#include "game/board/board.h"
#include "game/board/board_particles.h"
#include "game/board/board_sound.h"
#include "game/board/confetti.h"
#include "game/board/crumble.h"
#include "game/board/falling_pieces.h"
#include "game/board/groups.h"
#include "game/board/level.h"
#include "game/board/level_set.h"
#include "game/board/piece_factory.h"
#include "game/board/rainbow_piece.h"
#include "game/board/vine_coin.h"
#include "game/board/vine_pieces.h"
#include <algorithm>

namespace wispwood {

namespace {

constexpr int kLinkDelay = 10;
// Rows near the top are still coming into view; loose ends there wait.
constexpr int kLastQuietRow = 2;

bool StoneVines() {
    return CurrentLevel && CurrentLevel->BlockProducingVines;
}

} // namespace

bool VineBase::ConnectsTo(int dx, int dy) {
    switch (Overlay) {
    case 1:
        return dx == 0;
    case 2:
        return dy == 0;
    case 3:
        return true;
    case 4:
        return (dx == 0 && dy == -1) || (dx == 1 && dy == 0);
    case 5:
        return (dx == 1 && dy == 0) || (dx == 0 && dy == 1);
    case 6:
        return (dx == 0 && dy == 1) || (dx == -1 && dy == 0);
    case 7:
        return (dx == -1 && dy == 0) || (dx == 0 && dy == -1);
    default:
        return false;
    }
}

bool VineHead::ConnectsTo(int dx, int dy) {
    // A head holds on to its one neighbour only.
    int hx, hy;
    HeadDirection(Overlay, hx, hy);
    return dx == hx && dy == hy && (hx != 0 || hy != 0);
}

int VineBase::VineNeighbours() {
    int n = 0;
    for (int k = 0; k < 4; ++k) n += VineAt(kNeighbourDx[k], kNeighbourDy[k]);
    return n;
}

void VineBase::DoActivate(int delay) {
    if (_Activated) return;
    _Activated = 1;
    DestroyDelay = delay;
    for (int k = 0; k < 4; ++k) {
        if (!ConnectsTo(kNeighbourDx[k], kNeighbourDy[k]) || !VineAt(kNeighbourDx[k], kNeighbourDy[k])) continue;
        if (auto next = Cast<VineBase>(PieceAt(x + kNeighbourDx[k], y + kNeighbourDy[k]))) next->DoActivate(delay + kLinkDelay);
    }
}

void VineBase::Update() {
    if (HasCoin && !CoinInstance) CoinInstance = VineCoin::Create();
    if (CoinInstance && CoinInstance->OnMain == 0) {
        // A piece that dropped out of the grid takes its coin along, fading.
        if (!OnBoard) {
            CoinInstance->OnMain = 1;
            CoinInstance->InPieceParticle = 1;
        }
        CoinInstance->Update();
    }
    Powerup::Update();
    if (DestroyDelay > 0) {
        DestroyDelay -= 1;
        if (DestroyDelay == 0) Burn();
        return;
    }
    if (!OnBoard || PieceExplosionParticle || y <= kLastQuietRow) return;
    CheckTicks += 1;
    if (CheckTicks % 10 == 0 && IsKind<VineBody>(this) && VineNeighbours() <= 1) DoActivate(kLinkDelay);
}

void VineBase::Burn() {
    Ref<Piece> self = shared_from_this();
    float cx = static_cast<float>(GetX() + CellWidth / 2), cy = static_cast<float>(GetY() + CellHeight / 2);
    bool head = IsKind<VineHead>(this);
    if (head) {
        ConfettiExplosion(cx, cy, 0, 2, 30, 1.25f, &BoardTwinkles);
        ConfettiExplosion(cx + static_cast<float>(BoardLeft()), cy, 0, 1, 5, 1.25f);
        PlayBoardSound("media\\sound\\vineblow.ogg");
    }
    if (!OnBoard) return;
    Sparkles(*this, 13, 0.5f);
    if (CoinInstance && CoinInstance->OnMain == 0) CoinInstance->PopToMain();
    if (!head && StoneVines() && Board.Inside(x, y) && Board(x, y) == self) {
        int colours = std::max(CurrentLevel->MaxColor(), 1);
        Ref<Piece> block = NewStandardPiece(RandomInt(0, colours - 1));
        block->x = x;
        block->y = y;
        Board(x, y) = block;
        OnBoard = 0;
        Ref<PieceDefinition> first = PieceDefinitions.empty() ? nullptr : PieceDefinitions[0];
        CrumbleEffect(first, static_cast<float>(GetX()), static_cast<float>(GetY()), 0, nullptr);
        return;
    }
    RemoveFromBoard(1);
}

void VineBase::RemoveFromBoard(int dropUnsupported) {
    DoActivate(0);
    if (OnBoard && CoinInstance && CoinInstance->OnMain == 0) CoinInstance->PopToMain();
    Powerup::RemoveFromBoard(dropUnsupported);
}

int VineHead::Activate() {
    if (MahjongOver || RainbowSelected()) {
        PlayBoardSound("media\\sound\\vineactivate.ogg");
        int dx, dy;
        HeadDirection(Overlay, dx, dy);
        if (VineAt(dx, dy))
            if (auto body = Cast<VineBase>(PieceAt(x + dx, y + dy))) body->DoActivate(kLinkDelay);
        if (OnBoard) Sparkles(*this, 13, 0.5f);
        RemoveFromBoard(1);
    }
    DropUnsupported();
    MarkForDestruction = 0;
    return 1;
}

} // namespace wispwood
