#pragma once
// The input of a run of updates as a recording keeps it: an entry only for
// an update whose input differs from the one before (the pointer moved, a
// button or key went down or up, the window lost or got its focus) or that
// brought a press or a typed character. Each entry is one line of text.
//
// A line is the update's number (counted from 0) and what happened then:
//   p<x>,<y>   the pointer is at x, y          b<mask>   the held buttons (bit b: button b)
//   c<button>  a button was pressed            k<key>    a key was pressed
//   h<keys>    the held keys ("-": none, else the key codes joined by ",")
//   t<code>    a character was typed           w<0|1>    the window is (1) or is not (0) in the background
// A press pressed more than once in the update adds "*<count>", a key
// press with modifier keys held adds "+<modifiers>" (k77+2: Ctrl+M). A state
// not written is the one of the line before (at the start: pointer at 0, 0,
// nothing held, the window in front).
#include "engine/core/text.h"
#include "framework/scene/input_snapshot.h"
#include <vector>

namespace wispwood {

class InputTape {
  public:
    struct Entry {
        int Update = 0;
        SnapshotInput Input;
    };

    // Notes an update's input; updates come in order. Nothing is kept for
    // an update that brought nothing new.
    void Add(int update, const SnapshotInput& input);
    // The input of the update: the held state of the last entry at or
    // before it, and the presses only of an entry for that very update.
    SnapshotInput InputAt(int update) const;
    const std::vector<Entry>& Entries() const { return entries_; }
    bool Empty() const { return entries_.empty(); }

    // The entries as lines, in order.
    TextArray Lines() const;
    // Appends the entry a line describes, after the entries already there;
    // false (and nothing added) for a line that is not one.
    bool AddLine(const Text& line);

  private:
    std::vector<Entry> entries_;
    // The position InputAt found last: a tape is read forwards.
    mutable size_t cursor_ = 0;
};

// Whether two inputs hold the same: pointer, buttons, keys, window.
bool SameHeldInput(const SnapshotInput& a, const SnapshotInput& b);

} // namespace wispwood
