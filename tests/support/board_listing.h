#pragma once
// The board written out piece by piece, for comparing two boards in tests.
#include "engine/core/text.h"
#include <vector>

namespace wispwood::test {

// "name@x,y:colour" for every piece in grid order; with onlyRebuiltKinds,
// only the kinds a saved game brings back (standard pieces, bombs, stone
// pieces and walls, crumbling pieces).
std::vector<Text> ListPieces(bool onlyRebuiltKinds = false);

} // namespace wispwood::test
