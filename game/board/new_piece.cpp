#include "game/board/new_piece.h"
#include "engine/io/random.h"
#include "game/board/board.h"
#include "game/board/creation_override.h"
#include "game/board/gem_piece.h"
#include "game/board/level.h"
#include "game/board/marker_pieces.h"
#include "game/board/piece_definition.h"
#include "game/board/piece_factory.h"
#include "game/board/powerup.h"
#include "game/board/quota.h"
#include "game/board/rainbow_piece.h"
#include "game/board/stone_pieces.h"
#include <algorithm>
#include <array>

namespace wispwood {

int NextGemIsPick = 0;

namespace {

std::array<Ref<Piece>, kSpecialKindCount> Templates;
// The rule's specials below row 0 while a SpecialsBelowRowZero lives.
const std::vector<Ref<Piece>>* SpecialsBelow = nullptr;

// Pieces the special rule counts: placed by it, of a special kind.
bool PlacedByRule(const Ref<Piece>& p) {
    return p && p->CreatedWithLogic && !p->Normal();
}

// Calls f for every piece the special rule counts.
template <class F>
void ForEachPlacedSpecial(F&& f) {
    if (!SpecialsBelow) {
        ForEachPiece([&](const Ref<Piece>& p) {
            if (PlacedByRule(p)) f(p);
        });
        return;
    }
    for (const auto& p : *SpecialsBelow) f(p);
    if (Board.Height() == 0) return;
    for (int x = 0; x < Board.Width(); ++x)
        if (PlacedByRule(Board(x, 0))) f(Board(x, 0));
}

// After this many rejected draws a look-alike colour is good enough.
constexpr int kLookAlikeFromDraw = 52;
// After this many the draw gives up on finding an acceptable colour.
constexpr int kMaxColourDraws = 1000;

Ref<Piece> MakeSpecial(SpecialKind kind) {
    switch (kind) {
    case kSpecialBomb:
        return New<Bomb>();
    case kSpecialExtraLife:
        return New<ExtraLife>();
    case kSpecialDestroyVertical:
        return New<DestroyVerticalPiece>();
    case kSpecialDestroyHorizontal:
        return New<DestroyHorizontalPiece>();
    case kSpecialEarthquake:
        return New<Earthquake>();
    case kSpecialGem:
    default:
        return New<GemPiece>();
    }
}

// Later levels always carry a few of the specials they introduced, whatever
// the location file says; the raised values stay for the rest of the play.
void RaiseMinimumFrequencies(Level& level) {
    if (level.n > 11) level.BombFrequency = std::max(level.BombFrequency, 1);
    if (level.n > 10) level.StonePieceFrequency = std::max(level.StonePieceFrequency, 2);
    if (level.n > 22) level.EarthquakeFrequency = std::max(level.EarthquakeFrequency, 1);
    if (level.n > 15) level.DestroyHorizontalFrequency = std::max(level.DestroyHorizontalFrequency, 1);
    if (level.n > 2) level.DestroyVerticalFrequency = std::max(level.DestroyVerticalFrequency, 1);
}

// The first special whose rule allows it, or null.
Ref<Piece> ChooseSpecial(Level& level) {
    const std::pair<SpecialKind, int> kinds[] = {
        {kSpecialGem, level.GemFrequency},
        {kSpecialBomb, level.BombFrequency},
        {kSpecialDestroyVertical, level.DestroyVerticalFrequency},
        {kSpecialDestroyHorizontal, level.DestroyHorizontalFrequency},
        {kSpecialEarthquake, level.EarthquakeFrequency},
    };
    for (const auto& [kind, frequency] : kinds) {
        if (frequency == 0) continue;
        if (!SpecialRuleAllows(*SpecialTemplate(kind), frequency)) continue;
        if (kind == kSpecialGem && NextGemIsPick) {
            auto pick = New<GemPiece>(1);
            pick->CreatedWithLogic = 1;
            return pick;
        }
        return TakeSpecialTemplate(kind);
    }
    return nullptr;
}

} // namespace

const Ref<Piece>& SpecialTemplate(SpecialKind kind) {
    Ref<Piece>& t = Templates[kind];
    if (!t) t = MakeSpecial(kind);
    return t;
}

Ref<Piece> TakeSpecialTemplate(SpecialKind kind) {
    Ref<Piece> t = SpecialTemplate(kind);
    Templates[kind] = MakeSpecial(kind);
    return t;
}

int SpecialRuleAllows(Piece& templ, int f) {
    NextGemIsPick = 0;
    int count = 0, deepest = 0;
    Ref<Piece> placed;
    ForEachPlacedSpecial([&](const Ref<Piece>& p) {
        if (p->Name != templ.Name) return;
        deepest = count == 0 ? p->y : std::max(deepest, p->y);
        placed = p;
        ++count;
    });
    bool allowed = false;
    if (count == 0) {
        allowed = RandomInt(1, 5000) < f;
    } else if (count == 1) {
        // The further the first one has travelled, the likelier a second.
        allowed = RandomInt(1, 20) > 19 - 3 * deepest;
        auto gem = std::dynamic_pointer_cast<GemPiece>(placed);
        if (gem && gem->Pick == 0) NextGemIsPick = 1;
    }
    if (allowed) templ.CreatedWithLogic = 1;
    return allowed ? 1 : 0;
}

SpecialsBelowRowZero::SpecialsBelowRowZero() : previous_(SpecialsBelow) {
    for (int x = 0; x < Board.Width(); ++x)
        for (int y = 1; y < Board.Height(); ++y)
            if (PlacedByRule(Board(x, y))) pieces_.push_back(Board(x, y));
    SpecialsBelow = &pieces_;
}

SpecialsBelowRowZero::~SpecialsBelowRowZero() {
    SpecialsBelow = previous_;
}

std::vector<int> ColourWeights(Level& level, int x, bool groupingAllowed) {
    int colours = level.MaxColor();
    Ref<Piece> left = PieceAt(x - 1, 0);
    Ref<Piece> below = PieceAt(x, 1);
    if (left && !left->Normal()) left = nullptr;
    if (below && !below->Normal()) below = nullptr;
    int size = colours;
    if (left) size = std::max(size, left->Color + 1);
    if (below) size = std::max(size, below->Color + 1);
    // A level without colours still makes pieces, and no neighbour's colour
    // can stretch the draw beyond the standard colours.
    size = std::clamp(size, 1, kStandardColourCount);
    std::vector<int> w(size, 0);
    auto rule = [&](const Piece& n) {
        if (n.Color >= 0 && n.Color < static_cast<int>(PieceDefinitions.size()) &&
            PieceDefinitions[n.Color]) {
            const std::vector<int>& illegal = PieceDefinitions[n.Color]->IllegalsArray;
            int limit = std::min({colours, size, static_cast<int>(illegal.size())});
            for (int c = 0; c < limit; ++c)
                if (illegal[c]) w[c] = 2;
        }
        if (!groupingAllowed && n.Color >= 0 && n.Color < size) w[n.Color] = 1;
    };
    if (left) rule(*left);
    if (below) rule(*below);
    if (below && below->MahjongOver && below->Color >= 0 && below->Color < size) w[below->Color] = 1;
    return w;
}

ColourDraw DrawColour(const std::vector<int>& w) {
    int size = static_cast<int>(w.size());
    if (std::all_of(w.begin(), w.end(), [](int weight) { return weight == 1; })) {
        // Nothing can be accepted, so every draw is rejected and all weigh
        // the same: the first one drawn is taken. The rest are not worth
        // drawing one by one, but the sequence moves on as if they were.
        int first = RandomInt(0, size - 1);
        SkipRandomUnits(kMaxColourDraws - 1);
        return {first, kMaxColourDraws};
    }
    ColourDraw best{0, 0};
    int bestWeight = -1;
    for (int draw = 1; draw <= kMaxColourDraws; ++draw) {
        int c = RandomInt(0, size - 1);
        if (w[c] == 0 || (w[c] == 2 && draw >= kLookAlikeFromDraw)) return {c, draw};
        if (bestWeight < 0 || w[c] < bestWeight) {
            bestWeight = w[c];
            best.colour = c;
        }
    }
    best.draws = kMaxColourDraws;
    return best;
}

Ref<Piece> Level::NewPiece(int x, int forceNormal) {
    if (QuotaReached()) NewPieceQuotaFinished(x);
    if (OverrideIsGap(x)) return nullptr;
    bool locked = false, unlock = false;
    if (Ref<Piece> r = OverridePiece(x)) {
        if (IsKind<DummyLockedPiece>(r)) {
            locked = true;
        } else if (IsKind<DummyUnlockPiece>(r)) {
            unlock = true;
        } else if (IsKind<DummyForceNormal>(r)) {
            forceNormal = 1;
        } else {
            r->CreatedByOverride = 1;
            return r;
        }
    }
    if (RandomInt(1, 100) < Gaps) return nullptr;
    if (!forceNormal && !locked && !unlock) {
        if (RandomInt(0, 1000) < StonePieceFrequency) return New<StonePiece>();
        if (RandomInt(0, 1000) < RainbowFrequency && RandomFloat(0, 1) < 1.0 / (RainbowCount() + 1))
            return New<RainbowPiece>();
        RaiseMinimumFrequencies(*this);
        if (Ref<Piece> special = ChooseSpecial(*this)) return special;
    }
    bool grouping = RandomFloat(0, 1) <= GroupFactor;
    Ref<Piece> piece = NewStandardPiece(DrawColour(ColourWeights(*this, x, grouping)).colour);
    if (locked) {
        piece->Locked = 1;
    } else if (unlock) {
        piece->Unlocker = 1;
    }
    return piece;
}

void ResetNewPiece() {
    NextGemIsPick = 0;
    for (auto& t : Templates) t = nullptr;
}

} // namespace wispwood
