#include "game/board/board_targets.h"
#include "framework/navigation/nav_choice.h"
#include "framework/navigation/nav_target.h"
#include "game/board/board.h"
#include "game/board/board_frame.h"
#include "game/board/groups.h"
#include "game/board/piece.h"
#include "game/board/selection.h"
#include "game/board/tutorials.h"
#include <algorithm>
#include <unordered_set>

namespace wispwood {

void AddBoardTargets(NavTargets& targets) {
    const size_t first = targets.Items.size();
    std::unordered_set<const Piece*> placed;
    int group = 0;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (!PieceHoverable(p) || placed.count(p.get())) return;
        for (const Ref<Piece>& member : SameColourGroup(p)) {
            if (!PieceHoverable(member) || !placed.insert(member.get()).second) continue;
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
    const std::vector<NavTarget>& items = targets.Items;
    const auto onBoard = items.begin() + static_cast<std::ptrdiff_t>(first);
    const auto allowed = [](const NavTarget& t) {
        return !TutorialClickDisallowed(std::static_pointer_cast<Piece>(t.key));
    };
    const bool anyAllowed = std::any_of(onBoard, items.end(), allowed);
    const auto chosen = [&](const NavTarget& t) { return &t >= &*onBoard && (!anyAllowed || allowed(t)); };
    float lowest = 0;
    for (auto t = onBoard; t != items.end(); ++t)
        if (chosen(*t)) lowest = std::max(lowest, t->py);
    targets.Start = items[NearestTarget(items, static_cast<float>(BoardCentreX()), lowest, chosen)].key;
}

} // namespace wispwood
