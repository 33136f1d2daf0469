#pragma once

namespace wispwood {

// Opens (or reopens) the display from the settings: a window of resx x resy,
// or full screen. When that fails, an 800 x 600 window is tried; 0 when no
// display could be opened at all. The settings are never rewritten for it.
int OpenDisplay();

// Switches between a window and full screen as the options dialog does,
// saves the choice in the settings file at once and shows it in an open
// dialog.
void ToggleDisplayMode();

} // namespace wispwood
