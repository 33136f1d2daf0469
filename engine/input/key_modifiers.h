#pragma once
// The modifier keys (Modifier... of event.h) that were held when a key was
// last pressed. A shortcut pressed and let go between two polls would
// otherwise look like the bare key: the modifier is up again by the time the
// game asks whether it is held.
namespace wispwood {

int ModifiersAtLastPress(int key);

} // namespace wispwood
