#pragma once
// The fairy tile's animation: a short idle flutter, then a swing out from
// the middle frame to one side and back, chosen at random, and so on.
#include "framework/anim/anim.h"

namespace wispwood {

// The swings and the flutter bridge into each other: the owner releases the
// chain (TAnim::ReleaseChain) when the tile goes.
Ref<TAnim> NewFairyTileAnim();

} // namespace wispwood
