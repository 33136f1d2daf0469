#pragma once
// Points the per-user data folder ($XDG_DATA_HOME) at a fresh temporary
// folder for the life of the object, restoring the environment afterwards
// ($HOME too, which tests of the fallback change).
#include "tests/support/environment_variable.h"
#include "tests/support/paths.h"

namespace wispwood::test {

class UserFolder {
  public:
    const Text& Path() const { return dir_.Path(); }

  private:
    TempDir dir_;
    SavedEnvironmentVariable xdg_{"XDG_DATA_HOME", dir_.Path()};
    SavedEnvironmentVariable home_{"HOME"};
};

} // namespace wispwood::test
