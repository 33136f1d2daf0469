#pragma once
// The fairy tile's animation: a short idle flutter, then a swing out from
// the middle frame to one side and back, chosen at random, and so on.
#include "framework/anim/anim.h"

namespace wispwood {

Ref<TAnim> NewFairyTileAnim();
// The stretches of the chain refer to each other; this cuts the links so
// they can go with the tile.
void ReleaseFairyTileAnim(TAnim& anim);

} // namespace wispwood
