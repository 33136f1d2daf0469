#pragma once
// What the keys (and the pads, which press keys) ask of the cursor in one
// update: the arrows, which repeat while held, Return or Space to select
// and Backspace to let go. Read from the input snapshot alone, so a game
// replayed from recorded input moves the cursor the same way.
namespace wispwood {

struct NavCommands {
    // The direction pressed: -1, 0 or 1 on each axis (both for a diagonal).
    int dx = 0;
    int dy = 0;
    bool select = false;
    bool erase = false;

    bool Moves() const { return dx != 0 || dy != 0; }
};

// An arrow held this many updates starts repeating, once every
// kNavRepeatEvery updates.
constexpr int kNavRepeatDelay = 35;
constexpr int kNavRepeatEvery = 9;

class NavKeyReader {
  public:
    // typing: a text box takes the keys, so Space and Backspace are its own.
    NavCommands Read(bool typing);
    void Reset() { *this = NavKeyReader(); }

  private:
    int heldFor_[4] = {}; // left, up, right, down
};

} // namespace wispwood
