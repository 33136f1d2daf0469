#include "game/board/board_targets.h"
#include "framework/navigation/nav_choice.h"
#include "framework/navigation/nav_target.h"
#include "game/board/board.h"
#include "game/board/board_frame.h"
#include "game/board/groups.h"
#include "game/board/piece.h"
#include "game/board/tutorials.h"
#include <algorithm>
#include <unordered_set>

namespace wispwood {

namespace {

// What the hover of the board step accepts under the pointer.
bool Hoverable(const Ref<Piece>& p) {
    return p && p->Bottom && p->Valid() && p->BottomDelay == 0;
}

} // namespace

void AddBoardTargets(NavTargets& targets) {
    const size_t first = targets.Items.size();
    std::unordered_set<const Piece*> placed;
    int group = 0;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (!Hoverable(p) || placed.count(p.get())) return;
        for (const Ref<Piece>& member : SameColourGroup(p)) {
            if (!Hoverable(member) || !placed.insert(member.get()).second) continue;
            NavTarget t;
            t.key = member;
            t.group = group;
            t.x = static_cast<float>(BoardLeft() + member->GetX());
            t.y = static_cast<float>(BoardTop() + member->GetY());
            t.w = static_cast<float>(CellWidth);
            t.h = static_cast<float>(CellHeight);
            t.px = t.x + static_cast<float>(CellWidth / 2);
            t.py = t.y + static_cast<float>(CellHeight / 2);
            targets.Add(std::move(t));
        }
        ++group;
    });
    if (targets.Start || targets.Items.size() == first) return;
    // A lesson lets only its own group be clicked: the cursor starts there.
    std::vector<NavTarget> board, allowed;
    for (size_t i = first; i < targets.Items.size(); ++i) {
        const NavTarget& t = targets.Items[i];
        board.push_back(t);
        if (!TutorialClickDisallowed(std::static_pointer_cast<Piece>(t.key))) allowed.push_back(t);
    }
    const std::vector<NavTarget>& from = allowed.empty() ? board : allowed;
    float lowest = 0;
    for (const NavTarget& t : from) lowest = std::max(lowest, t.py);
    int start = NearestTarget(from, static_cast<float>(BoardCentreX()), lowest,
                              [](const NavTarget&) { return true; });
    targets.Start = from[start].key;
}

} // namespace wispwood
