#pragma once
// Keys that work on every screen: F11 and Alt+Enter switch between a window
// and full screen, M mutes and unmutes (not while a text box takes typing,
// where it is a letter of the name).
namespace wispwood {

// Acts on this update's input snapshot and takes the keys it used out of it.
void HandleComfortKeys();
// Makes the scene loop call HandleComfortKeys every update.
void InstallComfortKeys();

} // namespace wispwood
