#pragma once
// Points the per-user data folder ($XDG_DATA_HOME) at a fresh temporary
// folder for the life of the object, restoring the environment afterwards.
#include "tests/support/paths.h"

namespace wispwood::test {

class UserFolder {
  public:
    UserFolder();
    ~UserFolder();
    const Text& Path() const { return dir_.Path(); }

  private:
    TempDir dir_;
    Text oldXdg_, oldHome_;
    bool hadXdg_ = false, hadHome_ = false;
};

} // namespace wispwood::test
