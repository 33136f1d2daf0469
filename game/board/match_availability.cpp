#include "game/board/match_availability.h"
#include "engine/io/random.h"
#include "game/board/piece.h"
#include "game/board/piece_match.h"
#include "game/board/tutorials.h"
#include "game/board/vine_pieces.h"
#include <algorithm>
#include <set>

namespace wispwood {

namespace {

template <class Keep>
PieceGroup ReachablePieces(Keep keep) {
    PieceGroup pieces;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (p->Bottom && keep(*p)) pieces.push_back(p);
    });
    return pieces;
}

bool Qualifies(const Ref<Piece>& p, const Ref<Piece>& q, int colour, int normal) {
    return p->Normal() == normal && (colour == -1 || p->Color == colour) &&
           p->BottomGroupID != q->BottomGroupID && PiecesMatch(p, q);
}

GroupPair PairOf(const Ref<Piece>& p, const Ref<Piece>& q) {
    return GroupPair{PiecesOfGroup(p->BottomGroupID), PiecesOfGroup(q->BottomGroupID)};
}

} // namespace

PieceGroup PiecesOfGroup(int groupId) {
    PieceGroup group;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (p->BottomGroupID == groupId) group.push_back(p);
    });
    return group;
}

int NoMatchAvailable() {
    PieceGroup pieces = ReachablePieces([](Piece& p) { return p.y > 1; });
    for (const auto& p : pieces)
        for (const auto& q : pieces)
            if (p->BottomGroupID != q->BottomGroupID && PiecesMatch(p, q)) return 0;
    return 1;
}

int CountAvailableMatches() {
    PieceGroup pieces = ReachablePieces([](Piece&) { return true; });
    std::set<int> used;
    int count = 0;
    for (const auto& p : pieces)
        for (const auto& c : pieces) {
            if (p == c || p->BottomGroupID == c->BottomGroupID) continue;
            if (used.count(p->BottomGroupID) || used.count(c->BottomGroupID)) continue;
            if (!PiecesMatch(p, c)) continue;
            ++count;
            used.insert(p->BottomGroupID);
            used.insert(c->BottomGroupID);
        }
    return count;
}

GroupPair FindMatchingPair(int colour, int normal, int lowOnly) {
    PieceGroup pieces = ReachablePieces([](Piece&) { return true; });
    if (lowOnly) {
        std::reverse(pieces.begin(), pieces.end());
        std::erase_if(pieces, [](const Ref<Piece>& p) { return p->y < 8; });
    }
    for (const auto& p : pieces)
        for (const auto& q : pieces)
            if (Qualifies(p, q, colour, normal)) return PairOf(p, q);
    return {};
}

GroupPair RandomMatchingPair(int colour, int normal) {
    PieceGroup pieces = ReachablePieces([](Piece& p) { return p.y > 1 && !IsKind<VineBody>(&p); });
    std::erase_if(pieces,
                  [](const Ref<Piece>& p) { return TutorialClickDisallowed(p) != 0; });
    std::vector<std::pair<Ref<Piece>, Ref<Piece>>> pairs;
    for (const auto& p : pieces)
        for (const auto& q : pieces)
            if (Qualifies(p, q, colour, normal)) pairs.emplace_back(p, q);
    if (pairs.empty()) return {};
    const auto& [p, q] = pairs[RandomInt(0, static_cast<int>(pairs.size()) - 1)];
    return PairOf(p, q);
}

} // namespace wispwood
