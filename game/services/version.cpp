#include "game/services/version.h"

namespace wispwood {

Text VersionText() {
    return "Wispwood 0.1.0";
}

} // namespace wispwood
