#pragma once
// Runs the real game in-process for end-to-end tests: headless drivers, a
// temporary per-user folder, the built game folder (or another media tree)
// as the working directory, a manual clock, and frames stepped one by one.
// When the game ends the program (quit, close request), the frame that did
// so returns and Ended() turns true instead of the test binary exiting.
#include "engine/draw/pixmap.h"
#include "engine/input/clock.h"
#include "tests/support/paths.h"
#include "tests/support/user_folder.h"

namespace wispwood::test {

class GameHarness {
  public:
    // gameFolder: the installation folder to run from.
    explicit GameHarness(const Text& gameFolder = GamePath(""));
    ~GameHarness();
    GameHarness(const GameHarness&) = delete;
    GameHarness& operator=(const GameHarness&) = delete;

    // Start-up up to the first logo screen; false when it failed.
    bool Start(const TextArray& words = {});
    // Runs frames, each after advancing the clock by msPerFrame; stops early
    // when the game ends. Returns the frames run.
    int Frames(int count, int msPerFrame = 10);
    // Runs frames until the predicate holds or the game ends; false on timeout.
    template <class Predicate>
    bool RunUntil(Predicate done, int maxFrames, int msPerFrame = 10) {
        for (int i = 0; i < maxFrames && !ended_; ++i) {
            if (done()) return true;
            Frames(1, msPerFrame);
        }
        return done();
    }
    bool Ended() const { return ended_; }

    // Input as the platform would deliver it (screen coordinates).
    void MoveMouseTo(int x, int y);
    void Click(int x, int y, int button = 1);
    void PressKey(int key);
    void TypeChar(int code);

    // The last presented frame.
    Ref<TPixmap> Grab();
    // Saves the last frame as a PNG under build/test-output/ and returns the path.
    Text SaveFrame(const Text& name);

    const UserFolder& User() const { return user_; }
    TManualClock& Clock() { return *clock_; }

  private:
    UserFolder user_;
    WorkingFolder folder_; // left last, after the game state is reset
    Ref<TManualClock> clock_;
    bool ended_ = false;
};

} // namespace wispwood::test
