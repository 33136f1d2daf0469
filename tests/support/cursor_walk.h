#pragma once
// Plans the keyboard and pad cursor's way across a screen as a player
// would: by the arrows alone, over the targets the screen offers now.
#include "framework/navigation/nav_target.h"
#include <functional>

namespace wispwood::test {

using TargetWanted = std::function<bool(const NavTarget&)>;

// The targets the top scene offers now.
NavTargets OfferedTargets();
// The arrow key that takes the cursor one step nearer a target that wanted
// accepts; 0 when it stands on one, -1 when none can be reached.
int NextArrowTowards(const TargetWanted& wanted);
// Targets standing for this object (a widget, a piece, a tile).
TargetWanted Is(const Ref<void>& key);

} // namespace wispwood::test
