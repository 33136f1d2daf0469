#include "engine/core/headless.h"
#include <cstdlib>

namespace wispwood {

void UseHeadlessPlatform() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
}

} // namespace wispwood
