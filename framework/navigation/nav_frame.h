#pragma once
// The cursor as the player sees it: a glowing golden frame around its
// target that glides to the next target and breathes while it waits, with
// an optional line of help under it.
#include "engine/core/text.h"

namespace wispwood {

struct NavTarget;

class NavFrame {
  public:
    // Stands on the target at once.
    void Snap(const NavTarget* target);
    // One update of gliding towards the target.
    void Follow(const NavTarget* target);
    void Draw(const Text& hint) const;

  private:
    bool placed_ = false;
    float x_ = 0, y_ = 0, w_ = 0, h_ = 0;
    int ticks_ = 0;
};

// The frame's edge and corner pictures, the same the board outlines groups
// with (null when missing: only the glow is drawn).
void LoadNavFrameImages();
void ResetNavFrameImages();

} // namespace wispwood
