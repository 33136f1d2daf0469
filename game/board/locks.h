#pragma once
// Locks and keys: a locked piece stays locked while a key sits in its
// region of locked pieces; a key's burst sends a ring out that opens the
// locks of its region, the nearest first.
#include "game/board/board.h"

namespace wispwood {

// The pieces joined to the piece through 4-neighbours that are locked (or,
// with includeKeys, carry the unlocker), each marked Checked and added to
// list. The caller clears Checked first; the piece itself is not added.
PieceGroup& LockFlood(const Ref<Piece>& piece, int includeKeys, PieceGroup& list);

// Every board update: the lock overlays move, and a locked piece whose
// region holds no key opens silently.
void UpdateLocks();

// A key starts to burst: its ring goes out and the locks of its region
// open as it reaches them.
void KeyBurst(const Ref<Piece>& key);

} // namespace wispwood
