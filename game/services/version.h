#pragma once
#include "engine/core/text.h"

namespace wispwood {

// "Wispwood" and the version, as --version prints it.
Text VersionText();

} // namespace wispwood
