#pragma once
// The places the keyboard and pad cursor can stand on, as a screen offers
// them each update: its buttons, the groups on the board, the tiles of the
// bonus game, the locations of the map.
#include "engine/core/ref.h"
#include <vector>

namespace wispwood {

class guiGadget;

struct NavTarget {
    // What the target stands for (a widget, a piece, a tile); the cursor
    // keeps to it from update to update while it is offered.
    Ref<void> key;
    // Targets of one group are one stop for the arrows (the pieces of one
    // group on the board); -1 for a target on its own.
    int group = -1;
    // The frame drawn around it, in screen pixels.
    float x = 0, y = 0, w = 0, h = 0;
    // Where the game's pointer stands while the cursor is on it.
    float px = 0, py = 0;
    // The widget, when the target is one.
    Ref<guiGadget> gadget;

    bool Contains(float fx, float fy) const { return fx >= x && fx <= x + w && fy >= y && fy <= y + h; }
};

class NavTargets {
  public:
    std::vector<NavTarget> Items;
    // Where the cursor starts on this screen when it remembers no better
    // place (null: the first widget with a picture).
    Ref<void> Start;

    void Add(NavTarget target) { Items.push_back(std::move(target)); }
    bool Empty() const { return Items.empty(); }
    // The index of the target for key, or -1.
    int Find(const void* key) const;
};

} // namespace wispwood
