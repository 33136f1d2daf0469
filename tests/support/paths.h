#pragma once
// Where tests find the source tree, fixtures and the built game, a scratch
// folder that is removed with the object, and a working folder that lasts
// as long as its object.
#include "engine/core/text.h"

namespace wispwood::test {

Text SourcePath(const Text& relative);
Text FixturePath(const Text& relative); // under tests/fixtures
// The bytes of a fixture file; a file that cannot be read fails the test.
Text FixtureBytes(const Text& relative);
Text GamePath(const Text& relative);    // under build/game

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const Text& Path() const { return path_; }
    Text File(const Text& name) const { return path_ + "/" + name; }
    // A path no one can write, root included: its folder would have to be
    // made inside a plain file.
    Text Unwritable(const Text& name) const;

  private:
    Text path_;
};

// Enters the folder (the game reads its media relative to the working
// folder) and returns to the previous one when the object goes; a folder
// that cannot be entered or left is a test failure.
class WorkingFolder {
  public:
    explicit WorkingFolder(const Text& folder);
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;
    bool Entered() const { return entered_; }

  private:
    Text old_;
    bool entered_ = false;
};

} // namespace wispwood::test
