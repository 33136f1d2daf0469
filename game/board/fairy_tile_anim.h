#pragma once
// The fairy tile's animation: a short idle flutter, then a swing out from
// the middle frame to one side and back, chosen at random, and so on.
#include "framework/anim/anim.h"

namespace wispwood {

Ref<TAnim> NewFairyTileAnim();

} // namespace wispwood
