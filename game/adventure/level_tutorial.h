#pragma once
// The lesson that opens the first level at a location where the quest
// brings in something new.
#include "engine/core/ref.h"

namespace wispwood {

class TutorialObject;

// The lesson of a location, made but not yet initialised; null for a
// location that teaches nothing.
Ref<TutorialObject> LessonForLocation(int location);

// A new game at the current location starts its lesson, unless hints are
// off, the master quest is being played or the boards are being captured.
void StartLevelTutorial();

} // namespace wispwood
