#include "game/board/earthquake.h"
#include "engine/io/random.h"
#include "framework/anim/easing.h"
#include "framework/particles/calm_effects.h"
#include "game/board/board.h"
#include "game/board/crumble.h"
#include "game/board/falling_pieces.h"
#include "game/board/piece.h"
#include "game/board/piece_images.h"
#include "game/board/powerup.h"
#include <algorithm>
#include <vector>

namespace wispwood {

namespace {

constexpr int kQuakeLength = 270;
constexpr int kAfterShakeLength = 50;
constexpr int kDropCountdown = 1800;
constexpr float kMaxShake = 3;

} // namespace

int QuakeTicks = 0;
int AfterShake = 0;
int QuakeStep = 0;
int QuakeCountdown = kDropCountdown;
ShakeOffset ShakeVector;

namespace {

bool CanQuakeDrop(const Ref<Piece>& p) {
    // A bursting or gold piece is already on its way out; dropping it too
    // would count it twice.
    if (!p->Bottom || !p->OnBoard || p->PieceExplosionParticle || p->IsGold) return false;
    if (!p->Normal() && !IsKind<Powerup>(p)) return false;
    if (!p->CanBeNuked()) return false;
    return p->y + 1 < Board.Height() && !Board(p->x, p->y + 1);
}

void DropOnePiece() {
    std::vector<Ref<Piece>> candidates;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (CanQuakeDrop(p)) candidates.push_back(p);
    });
    if (candidates.empty()) return;
    DropPiece(candidates[RandomInt(0, static_cast<int>(candidates.size()) - 1)]);
}

// The shake is drawn only, once for every piece in every frame drawn: from
// the game's generator it would make play follow the frame rate.
TRandom gShakeRandom;

float RandomSigned(float amplitude) {
    float v = static_cast<float>(gShakeRandom.Float(0, amplitude));
    return gShakeRandom.Int(0, 1) ? v : -v;
}

} // namespace

Earthquake::Earthquake() : Powerup("Earthquake", BlockImages.Earthquake) {}

int Earthquake::Activate() {
    StartEarthquake();
    Sparkles(*this, 13, 0.5f);
    RemoveFromBoard(1);
    DropUnsupported();
    return 1;
}

void StartEarthquake() {
    if (QuakeTicks == 0) QuakeTicks = 1;
}

void UpdateEarthquake() {
    bool drop = false;
    if (QuakeTicks > 0) {
        QuakeStep += 1;
        QuakeCountdown -= QuakeStep;
        if (QuakeCountdown < 0) {
            QuakeCountdown = kDropCountdown;
            drop = true;
        }
    } else {
        QuakeStep = 0;
        QuakeCountdown = kDropCountdown;
    }
    if (AfterShake > 0) AfterShake -= 1;
    if (QuakeTicks == 0) return;

    if (RandomInt(1, 10) == 2)
        CrumbleEffect(nullptr, static_cast<float>(RandomFloat(0, static_cast<float>(BoardWidth * CellWidth))),
                      -20, 1, nullptr);
    QuakeTicks += 1;
    if (drop) DropOnePiece();
    if (QuakeTicks > kQuakeLength) {
        QuakeTicks = 0;
        AfterShake = kAfterShakeLength;
    }
}

int IsShaking() {
    return QuakeTicks > 0 ? 1 : 0;
}

int IsAfterShaking() {
    return AfterShake > 0 ? 1 : 0;
}

ShakeOffset CurrentShake() {
    float amplitude = 0;
    if (QuakeTicks > 0) {
        amplitude = LerpLinearClamped(0, kMaxShake, 2 * static_cast<float>(QuakeTicks) / kQuakeLength);
    } else if (AfterShake > 0) {
        amplitude =
            std::clamp(kMaxShake * static_cast<float>(AfterShake) / kAfterShakeLength, 0.0f, kMaxShake);
    }
    // Calm effects keep the board still.
    if (amplitude <= 0 || CalmEffects) {
        ShakeVector = {};
    } else {
        ShakeVector.x = RandomSigned(amplitude);
        ShakeVector.y = RandomSigned(amplitude);
    }
    return ShakeVector;
}

void ResetEarthquake() {
    gShakeRandom.Seed(kRandomStartSeed);
    QuakeTicks = AfterShake = QuakeStep = 0;
    QuakeCountdown = kDropCountdown;
    ShakeVector = {};
}

} // namespace wispwood
