#pragma once
// Running without a screen or a sound card: the platform's stand-in
// display and audio output, which draw and mix into memory only.
namespace wispwood {

// Chooses them for the display and audio opened from now on, unless the
// environment already names others.
void UseHeadlessPlatform();

} // namespace wispwood
