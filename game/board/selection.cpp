#include "game/board/selection.h"
#include "framework/particles/effect.h"
#include "framework/scene/input_snapshot.h"
#include "game/board/board.h"
#include "game/board/board_particles.h"
#include "game/board/board_sound.h"
#include "game/board/clear_pass.h"
#include "game/board/earthquake.h"
#include "game/board/falling_pieces.h"
#include "game/board/groups.h"
#include "game/board/hint.h"
#include "game/board/level_set.h"
#include "game/board/outlines.h"
#include "game/board/path_search.h"
#include "game/board/piece.h"
#include "game/board/piece_effects.h"
#include "game/board/piece_match.h"
#include "game/board/rainbow_piece.h"
#include "game/board/reachability.h"
#include "game/board/stuck_recovery.h"
#include "game/board/tutorials.h"

namespace wispwood {

int SelectionChanged = 0;
Ref<Piece> LastHoveredPiece;
float LastClearX = 0, LastClearY = 0;

namespace {

std::vector<Ref<Piece>> AllPieces() {
    std::vector<Ref<Piece>> pieces;
    ForEachPiece([&](const Ref<Piece>& p) { pieces.push_back(p); });
    return pieces;
}

// Glints that sit on a piece follow it down the board and die with it.
void FollowPieceGlints() {
    for (const Ref<Particle>& particle : BoardTwinkles.AllParticles) {
        Effect* effect = particle->CarriedEffect();
        Ref<Piece> owner = effect ? PieceGlintOwner(*effect) : nullptr;
        if (!owner) continue;
        effect->OwnerBaseY = static_cast<float>(owner->GetY());
        if (Ref<PieceParticle> falling = FallingRecordOf(*owner)) {
            effect->OwnerBaseY = falling->y;
            effect->ShortenLife(5);
        }
        if (!owner->OnBoard) effect->ShortenLife(5);
    }
}

void RippleFrom(Piece& p, int depth) {
    p.mOverDistance = depth;
    static const int dirs[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (const auto& d : dirs) {
        const Ref<Piece>& n = CellAt(p.x + d[0], p.y + d[1]);
        if (n && n->mover && n->mOverDistance > depth) RippleFrom(*n, depth + 1);
    }
}

// Each hovered piece's step count from h within the hovered group; a group
// holds at most one board of pieces, so the recursion stays shallow.
void HoverRipple(const Ref<Piece>& h) {
    ForEachPiece([](const Ref<Piece>& p) { p->mOverDistance = 9999; });
    RippleFrom(*h, 0);
}

void UpdateHover() {
    if (CountBeingCreated() != 0) return;
    int cx, cy;
    if (!MouseToCell(static_cast<float>(GameMouseX()), static_cast<float>(GameMouseY()), cx, cy)) return;
    const Ref<Piece>& p = CellAt(cx, cy);
    if (!PieceHoverable(p)) return;
    HoveredPiece = p;
    for (const Ref<Piece>& member : SameColourGroup(p)) member->mover = 1;
    HoverRipple(p);
}

// A release over a matching group after pressing on another one counts as
// the second click.
bool ReleaseCounts() {
    if (GameMouseDown(1)) return false;
    bool counts = false;
    if (SelectionChanged) {
        ForEachPiece([&](const Ref<Piece>& p) {
            if (p->mover && !p->MahjongOver && MatchesSelection(p)) counts = true;
        });
    }
    SelectionChanged = 0;
    return counts;
}

bool ClickIgnored(LevelSucceeding succeeding) {
    if (succeeding == LevelSucceeding::Yes) return true;
    if (IsShaking() || CountBeingCreated() > 0) return true;
    bool finishes = false;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (p->mover && p->FinishLevelIfClicked() == 1) finishes = true;
    });
    if (finishes) return true;
    return TutorialClickDisallowed(nullptr) != 0;
}

// 0 for a group that does not match the selection, 1 for a match, -1 when
// the click decides nothing.
int Decide(bool rainbowSelected) {
    for (const Ref<Piece>& p : AllPieces()) {
        if (!p->mover) continue;
        if (p->MahjongOver) return -1;
        if (rainbowSelected || p->InvalidForSelection() == 0) return MatchesSelection(p);
    }
    return -1;
}

void MoveSelectionToHover() {
    FadeOutline(0, 0);
    for (const Ref<Piece>& p : AllPieces()) {
        if (p->MahjongOver) p->MahjongOver = 0;
        if (p->mover) {
            p->MahjongOver = 1;
            SelectionChanged = 1;
            if (p == HoveredPiece) SetSelectionCentre(HoveredPiece);
        }
    }
    BuildOutline(1, 0);
}

} // namespace

bool PieceHoverable(const Ref<Piece>& p) {
    return p && p->Bottom && p->Valid() && p->BottomDelay == 0;
}

void BoardUpdate(LevelSucceeding succeeding) {
    FollowPieceGlints();
    FindReachablePieces();
    ScheduleReveal();

    // Lessons keep the selection: the right button drops it only outside them.
    if (GameMouseClicks(2) && TutorialCount() == 0) {
        ForEachPiece([](const Ref<Piece>& p) { p->MahjongOver = 0; });
        FadeOutline(0, 0);
    }

    ForEachPiece([](const Ref<Piece>& p) { p->mover = 0; });
    HoveredPiece = nullptr;
    UpdateHover();
    ForEachPiece([](const Ref<Piece>& p) {
        if (!p->Bottom && p->BottomFadeIn > 0) p->mover = 0;
    });

    // An update may take a piece off the board (a gold piece leaving).
    for (const Ref<Piece>& p : AllPieces()) p->Update();

    if (CurrentLevel && CurrentLevel->DoneQuotaBottleEffect)
        ForEachPiece([](const Ref<Piece>& p) { p->MahjongOver = 0; });

    bool released = ReleaseCounts();
    if (released || GameMouseClicks(1)) BoardClick(succeeding);
    UpdateHoverOutline();
    if (CountBeingCreated() == 0) UpdateStuck();
}

void BoardClick(LevelSucceeding succeeding) {
    ForEachPiece([](const Ref<Piece>& p) {
        if (p->IsGold) p->MahjongOver = p->mover = 0;
    });
    if (ClickIgnored(succeeding)) return;

    bool rainbow = RainbowSelected() > 0;

    if (CountSelected() > 0) {
        int decision = Decide(rainbow);
        if (decision == 0) {
            MoveSelectionToHover();
        } else if (decision == 1) {
            ForEachPiece([](const Ref<Piece>& p) {
                if (p->mover || p->MahjongOver) p->MarkForDestruction = 1;
            });
            ResetHint();
            FadeOutline(0, 0);
        }
    } else {
        bool any = false;
        ForEachPiece([&](const Ref<Piece>& p) {
            if (p->mover && p->InvalidForSelection() == 0) {
                p->MahjongOver = 1;
                SelectionChanged = 1;
                any = true;
            }
        });
        if (any) BuildOutline(1, 0);
    }

    if (CountMarked() > 0) {
        if (CurrentPath) CurrentPath->MaxTicks();
        ClearMarked();
    } else if (CountHovered() > 0) {
        PlayBoardSound("media\\sound\\tileclick.ogg");
    }
}

void RegrowSelection() {
    bool added = false;
    for (const Ref<Piece>& p : AllPieces()) {
        if (!p->MahjongOverCenter || !p->MahjongOver) continue;
        for (const Ref<Piece>& member : SameColourGroup(p))
            if (!member->MahjongOver) member->MahjongOver = 1, added = true;
    }
    if (added) {
        float alpha = OutlineAlpha(0);
        FadeOutline(0, 1);
        BuildOutline(1, 0);
        SetOutlineAlpha(0, alpha);
    }
    if (!HoveredPiece) return;
    added = false;
    for (const Ref<Piece>& member : SameColourGroup(HoveredPiece))
        if (!member->mover) member->mover = 1, added = true;
    if (added) {
        float alpha = OutlineAlpha(1);
        FadeOutline(1, 1);
        BuildOutline(2, 1);
        SetOutlineAlpha(1, alpha);
    }
}

void SetSelectionCentre(const Ref<Piece>& piece) {
    ForEachPiece([](const Ref<Piece>& p) { p->MahjongOverCenter = 0; });
    if (piece) piece->MahjongOverCenter = 1;
}

void ResetSelection() {
    SelectionChanged = 0;
    LastHoveredPiece = nullptr;
    LastClearX = LastClearY = 0;
}

} // namespace wispwood
