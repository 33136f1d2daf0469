#pragma once
// The first level of an adventure location, read from the location file
// with the few parameters the board needs.
#include "engine/core/ref.h"

namespace wispwood {

class Level;

// Null when the file or its section for the location is missing.
Ref<Level> LevelFromLocation(int location);

} // namespace wispwood
