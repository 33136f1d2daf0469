#pragma once
// Every module's process-wide state back to its start-up state at once.

namespace wispwood {

// Composed of the modules' own resets (each module keeps owning its state;
// this only calls them, in the order that matters): the scenes, the game's
// app, board and adventure state, the framework's scene loop, input
// snapshot, widgets, fonts, sound manager and tables, and the engine's
// random generator, clock, image defaults and held keys and buttons.
//
// Loaded media go too: fonts, pictures, sounds (and with them the audio
// output start-up opened), the widgets' shared resources, the layout and
// the text tables. Each test fixture loads the media it draws in its own
// SetUp, so nothing is gained by keeping them across tests, and a kept set
// would let one test pass only because another loaded what it needs.
//
// The platform connections stay: an open display and the polled input it
// feeds keep running (a fixture that opened them closes them), and so does
// a clock or audio driver a caller installs after the reset.
void ResetWorld();

} // namespace wispwood
