#pragma once

namespace wispwood {

// Opens (or reopens) the display from the settings: a window of resx x resy,
// or full screen. When that fails, an 800 x 600 window is tried; 0 when no
// display could be opened at all. The settings are never rewritten for it.
int OpenDisplay();

} // namespace wispwood
