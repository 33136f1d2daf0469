#pragma once
// Input as the platform delivers it: one event through the event stream,
// seen by the polled input and so by the next input snapshot.
namespace wispwood::test {

// mods: the modifier keys (Modifier... of event.h) held with it.
void EmitInput(int id, int data, int x = 0, int y = 0, int mods = 0);

} // namespace wispwood::test
