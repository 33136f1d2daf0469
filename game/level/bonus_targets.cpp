#include "game/level/bonus_targets.h"
#include "framework/navigation/nav_choice.h"
#include "framework/navigation/nav_target.h"
#include "game/level/bonus_brick.h"
#include "game/level/bonus_game.h"

namespace wispwood {

void AddBonusTargets(NavTargets& targets) {
    if (!BonusStarted) return;
    std::vector<NavTarget> tiles;
    for (int column = 0; column < BonusColumns; ++column)
        for (int row = 0; row < BonusRows; ++row) {
            const Ref<BonusBrick>& brick = BonusGrid[column][row];
            if (!brick || !brick->onBoard) continue;
            NavTarget t;
            t.key = brick;
            t.x = static_cast<float>(BonusGridLeft() + brick->GetX());
            t.y = static_cast<float>(brick->GetY());
            t.w = t.h = static_cast<float>(BonusTileSize);
            t.px = t.x + static_cast<float>(BonusTileSize / 2);
            t.py = t.y + static_cast<float>(BonusTileSize / 2);
            tiles.push_back(std::move(t));
        }
    if (tiles.empty()) return;
    if (!targets.Start) {
        const float cx = static_cast<float>(BonusGridLeft() + (BonusColumns * BonusTilePitch) / 2);
        const float cy = static_cast<float>(BonusGridTop() + (BonusRows * BonusTilePitch) / 2);
        targets.Start = tiles[NearestTarget(tiles, cx, cy, [](const NavTarget&) { return true; })].key;
    }
    for (NavTarget& t : tiles) targets.Add(std::move(t));
}

} // namespace wispwood
