#pragma once
// Where tests find the source tree, fixtures and the built game, and a
// scratch folder that is removed with the object.
#include "engine/core/text.h"

namespace wispwood::test {

Text SourcePath(const Text& relative);
Text FixturePath(const Text& relative); // under tests/fixtures
Text GamePath(const Text& relative);    // under build/game

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const Text& Path() const { return path_; }
    Text File(const Text& name) const { return path_ + "/" + name; }

  private:
    Text path_;
};

} // namespace wispwood::test
