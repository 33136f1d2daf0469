#include "game/board/locks.h"
#include "engine/draw/graphics.h"
#include "framework/anim/numeric.h"
#include "framework/particles/calm_effects.h"
#include "framework/particles/particle_logic.h"
#include "game/board/board_particles.h"
#include "game/board/board_sound.h"
#include "game/board/groups.h"
#include "game/board/lock_particles.h"
#include "game/board/piece.h"
#include "game/board/quota_images.h"
#include <algorithm>
#include <cmath>

namespace wispwood {

namespace {

void Flood(Piece& from, int includeKeys, PieceGroup& list) {
    for (int k = 0; k < 4; ++k) {
        const Ref<Piece>& n = CellAt(from.x + kNeighbourDx[k], from.y + kNeighbourDy[k]);
        if (!n || n->Checked || (!n->Normal() && !n->Unlocker)) continue;
        if (!n->Locked && !(includeKeys && n->Unlocker)) continue;
        n->Checked = 1;
        list.push_back(n);
        Flood(*n, includeKeys, list);
    }
}

} // namespace

PieceGroup& LockFlood(const Ref<Piece>& piece, int includeKeys, PieceGroup& list) {
    if (!piece) return list;
    piece->Checked = 1;
    Flood(*piece, includeKeys, list);
    return list;
}

void UpdateLocks() {
    LockParticles.Update();
    PieceGroup keys;
    ForEachPiece([&](const Ref<Piece>& p) {
        p->UnlockerPresent = 0;
        if (p->Unlocker) keys.push_back(p);
    });
    ClearChecked();
    PieceGroup region;
    for (const Ref<Piece>& key : keys) {
        region.clear();
        for (const Ref<Piece>& p : LockFlood(key, 0, region)) p->UnlockerPresent = 1;
    }
    ForEachPiece([](const Ref<Piece>& p) {
        if (p->Locked && !p->UnlockerPresent) p->UnlockSilently();
    });
}

void KeyBurst(const Ref<Piece>& key) {
    if (!key) return;
    PlayBoardSound("media\\sound\\flowerpop.ogg");
    ClearChecked();
    PieceGroup region;
    LockFlood(key, 1, region);
    float kx = static_cast<float>(key->GetX()), ky = static_cast<float>(key->GetY());
    float m = 0;
    for (const Ref<Piece>& p : region)
        m = std::max(m, Distance(kx, ky, static_cast<float>(p->GetX()), static_cast<float>(p->GetY())));

    const Ref<TImage>& ring = QuotaImages.DoneThin;
    Ref<Particle> p = BoardTwinkles.AddParticle();
    p->Image = ring;
    p->x = kx + static_cast<float>(CellWidth / 2);
    p->y = ky + static_cast<float>(CellHeight / 2);
    p->Blend = LIGHTBLEND;
    p->Delayed = 40;
    // The ring shows once it starts to grow.
    p->RenderWhileDelayed = 0;
    p->StartAlpha = 2;
    p->EndAlpha = 0;
    p->OverrideScale = New<ScaleOutInertia>(0.1f, 5 + m / 30);
    p->TotalLife = 60 + m / 10;
    MarkFlash(*p);

    // The locks open as the ring passes them; without a ring picture the
    // distances still order them instead of dividing by nothing.
    int w = ring ? ImageWidth(ring) : 0;
    float step = static_cast<float>(w > 0 ? w : 1);
    for (const Ref<Piece>& piece : region) {
        float dx = static_cast<float>(piece->GetX()) - kx, dy = static_cast<float>(piece->GetY()) - ky;
        float d = std::sqrt(dx * dx + dy * dy);
        piece->Unlock(static_cast<int>(40 + 12 * d / step), dx, dy);
    }
}

} // namespace wispwood
