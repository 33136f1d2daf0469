#include "game/adventure/level_tutorial.h"
#include "game/adventure/spot_levels.h"
#include "game/board/hover_lesson.h"
#include "game/board/pair_lessons.h"
#include "game/board/time_lesson.h"
#include "game/board/time_limit.h"
#include "game/board/tutorials.h"
#include "game/services/profiles.h"
#include "game/services/settings.h"
#include "game/services/start_flags.h"

namespace wispwood {

namespace {

const TextArray kTwoBlocks = {"firstgroup", "secondgroup"};
const TextArray kOneBlock = {"firstgroup"};

template <class Lesson>
Ref<Lesson> Make(const Text& section, const TextArray& keys) {
    auto lesson = New<Lesson>();
    FillLessonTexts(*lesson, section, keys);
    return lesson;
}

Ref<TutorialObject> Intro(const Text& section, int reverseGroups, int reverseAll) {
    auto lesson = Make<TutorialObjectIntro>(section, kTwoBlocks);
    lesson->ReverseGroups = reverseGroups;
    lesson->ReverseAll = reverseAll;
    return lesson;
}

Ref<TutorialObject> Specific(const Text& section, int ax, int ay, int bx, int by) {
    auto lesson = Make<TutorialObjectSpecific>(section, kTwoBlocks);
    lesson->coords = {{{ax, ay}, {bx, by}}};
    return lesson;
}

// The locations whose lessons are about a kind of special piece.
const char* PowerupLessonName(int location) {
    switch (location) {
    case 1:
        return "gem";
    case 2:
        return "powerup";
    case 11:
        return "bomb";
    case 22:
        return "earthquake";
    case 26:
        return "horizontal";
    default:
        return nullptr;
    }
}

} // namespace

Ref<TutorialObject> LessonForLocation(int location) {
    switch (location) {
    case 0:
        return Intro("basictutorial", 0, 0);
    case 3:
        return Make<TutorialObjectTime>("timetutorial", kOneBlock);
    case 4:
        return Make<TutorialObjectCombo>("combotutorial", kTwoBlocks);
    case 6:
        return Intro("flowertutorial", 1, 1);
    case 8:
        return Make<TutorialObjectChains>("chainstutorial", kTwoBlocks);
    case 13:
        return Make<TutorialObjectHover>("hovertutorial", kOneBlock);
    case 15:
        return Intro("rainbowtutorial", 1, 0);
    case 16:
        return Specific("rainbowhovertutorial", 1, 8, 6, 7);
    case 19:
        return Specific("keytutorial", 3, 8, 6, 8);
    case 33:
        return Make<TutorialObjectChains>("chains2tutorial", kTwoBlocks);
    default:
        return nullptr;
    }
}

void StartLevelTutorial() {
    if (CurrentProfile && CurrentProfile->InMasterQuest) return;
    if (GetHints() == 0 || ImagesMode) return;
    if (const char* name = PowerupLessonName(CurrentSpotIndex)) {
        StartPowerupTutorial(name);
        return;
    }
    if (Ref<TutorialObject> lesson = LessonForLocation(CurrentSpotIndex)) {
        // A relaxed level has no clock for the time lesson to point at.
        if (RelaxedLevel && Cast<TutorialObjectTime>(lesson)) return;
        lesson->Init();
        AddTutorial(lesson);
    }
}

} // namespace wispwood
