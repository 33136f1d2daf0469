#pragma once
// The demo's hand on the mouse. The board bot decides where to click; the
// pointer then glides there from where it was and clicks on arrival, as a
// player's hand would, rather than jumping. The game sees it as its mouse
// (OverrideMouse) while the player's own mouse is left alone.

namespace wispwood {

class DemoPointer {
  public:
    // The pointer stands at (x, y), the player's pointer at the start.
    void Start(int x, int y);
    // Glides to (x, y) and clicks there, taking over from a glide under way.
    void ClickAt(int x, int y);
    // Once per update, before the game's: the pointer's place, and the
    // click when it arrives.
    void Update();

  private:
    float fromX_ = 0, fromY_ = 0;
    float toX_ = 0, toY_ = 0;
    int glideUpdates_ = 0; // the length of the glide under way
    int glided_ = 0;       // its updates so far
    bool clickPending_ = false;
};

} // namespace wispwood
