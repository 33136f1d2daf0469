#include "game/board/dead_end.h"
#include "engine/io/random.h"
#include "game/board/board.h"
#include "game/board/groups.h"
#include "game/board/level_set.h"
#include "game/board/piece.h"
#include "game/board/reachability.h"
#include <algorithm>
#include <vector>

namespace wispwood {

namespace {

constexpr int kColourSlots = 12;
constexpr int kMaxDraws = 50;
bool ReachableNeighbourHas(const Piece& p, int colour, bool normalOnly) {
    for (int k = 0; k < 4; ++k) {
        const Ref<Piece>& n = CellAt(p.x + kNeighbourDx[k], p.y + kNeighbourDy[k]);
        if (n && n->Bottom && n->Color == colour && (!normalOnly || n->Normal())) return true;
    }
    return false;
}

// The first piece of a reachable group, when the group counts for its
// colour: a standard piece that is not bursting.
Piece* CountedLead(const PieceGroup& group) {
    if (group.empty()) return nullptr;
    Piece* lead = group.front().get();
    if (!lead->Normal() || lead->PieceExplosionParticle) return nullptr;
    if (lead->Color < 0 || lead->Color >= kColourSlots) return nullptr;
    return lead;
}

std::vector<JeopradyGroup> FindLoneGroups() {
    int groups[kColourSlots] = {}, size[kColourSlots] = {}, lastId[kColourSlots] = {};
    for (const PieceGroup& group : BottomGroups) {
        Piece* lead = CountedLead(group);
        if (!lead) continue;
        groups[lead->Color] += 1;
        size[lead->Color] += static_cast<int>(group.size());
        lastId[lead->Color] = lead->BottomGroupID;
    }
    for (const PieceGroup& group : BottomGroups) {
        Piece* lead = CountedLead(group);
        if (lead && groups[lead->Color] == 1) lead->InJeoprady = 1;
    }
    std::vector<JeopradyGroup> lone;
    for (int c = 0; c < kColourSlots; ++c) {
        if (groups[c] != 1) continue;
        JeopradyGroup g;
        g.Color = c;
        g.Size = size[c];
        g.GroupID = lastId[c];
        lone.push_back(g);
    }
    std::stable_sort(lone.begin(), lone.end(),
                     [](const JeopradyGroup& a, const JeopradyGroup& b) { return a.Compare(b) < 0; });
    return lone;
}

// Colours 1 to MaxColor() - 1, drawn until no reachable neighbour has
// the colour (the last draw stands after 50).
void GiveOtherColour(Piece& p, int maxColour) {
    for (int i = 0; i < kMaxDraws; ++i) {
        p.Color = RandomInt(1, maxColour - 1);
        if (!ReachableNeighbourHas(p, p.Color, false)) break;
    }
    p.UpdateImage();
    p.Modified = 2;
}

} // namespace

void RecolourLoneGroups() {
    FindReachablePieces();
    ForEachPiece([](const Ref<Piece>& p) { p->InJeoprady = 0; });
    std::vector<JeopradyGroup> lone = FindLoneGroups();
    int maxColour = CurrentLevel ? CurrentLevel->MaxColor() : 0;

    ForEachPiece([&](const Ref<Piece>& p) {
        if (p->CreatedByTutorial || !p->Bottom || p->BottomDelay != -1 || !p->Normal()) return;
        for (auto it = lone.begin(); it != lone.end(); ++it) {
            JeopradyGroup& g = *it;
            bool member = p->BottomGroupID == g.GroupID;
            // With fewer than two colours there is no other colour to give.
            if (member && p->Color == g.Color && maxColour > 1) GiveOtherColour(*p, maxColour);
            // A member of the lone group cannot be its partner: it would
            // stay joined to it.
            if (!member && p->BottomOutside && !g.Done && !ReachableNeighbourHas(*p, g.Color, true)) {
                g.Done = 1;
                p->Color = g.Color;
                p->UpdateImage();
                p->Modified = 1;
                lone.erase(it);
                break;
            }
        }
    });
    FindReachablePieces();
}

} // namespace wispwood
