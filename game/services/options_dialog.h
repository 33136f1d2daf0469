#pragma once
// The options dialog: display mode, hints, relaxed play, calm effects and
// the volumes. There is only ever one, whichever scene opened it, so its
// widgets are globals. Display, effects and volume changes take effect while
// it is open; OK saves the settings file, Cancel or Escape goes back to what
// the file holds.
//
// Relaxed play is the current player's choice, kept in the profiles file:
// OK writes that file at once when the choice changed, Cancel or Escape
// gives the player back the choice they had when the dialog opened. A
// level takes the choice when it starts, so one changed during a level
// holds from the next. Without a current player the row is inactive.
#include "engine/core/ref.h"

namespace wispwood {

class TImage;
class guiContainer;
class guiGadget;
class guiSelectable;
class guiSlider;

extern Ref<guiContainer> OptionsContainer;
extern Ref<guiGadget> OptionsOK, OptionsCancel;
extern Ref<guiSelectable> FullscreenTick, WindowedTick;
extern Ref<guiSelectable> HintsOnTick, HintsOffTick;
extern Ref<guiSelectable> RelaxedOffTick, RelaxedOnTick;
extern Ref<guiSelectable> FullEffectsTick, CalmEffectsTick;
extern Ref<guiGadget> NextLevelNote; // over a level: the relaxed choice holds from the next one
extern Ref<guiSlider> SoundSlider, MusicSlider, VoiceSlider;
extern Ref<TImage> OptionsBacking, TickImage;

void LoadOptionsImages();
// Where the dialog is opened: from a menu, or over a level in play, where
// a changed relaxed choice is said to hold from the next level.
enum class OptionsPlace { Menu, Level };
// Opens the dialog inside parent; nothing while one is alive.
void OpenOptions(guiContainer& parent, OptionsPlace place = OptionsPlace::Menu);
// Every update of a scene that can open the dialog, open or not.
void UpdateOptions();
// Brings an open dialog's display ticks and volume sliders up to the
// settings after they changed outside it (the comfort keys).
void ShowSettingsInOptions();
// 1 while the dialog is open and not fading out.
int OptionsOpen();

// No dialog, no pictures (start-up state).
void ResetOptions();

} // namespace wispwood
