#include "game/board/time_lesson.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/tunables.h"

namespace wispwood {

namespace {

// A click before this many updates is taken for play, not for the lesson.
constexpr float kEarliestDismiss = 200;
constexpr float kLongestShown = 2400;

} // namespace

void TutorialObjectTime::InitGroups() {
    ArrowA->Hide = 0;
    ArrowA->x = GetTunable("mousepointx", "73");
    ArrowA->y = GetTunable("mousepointy", "545");
    ArrowA->Angle = 315;
}

void TutorialObjectTime::Update() {
    TutorialObjectBase::Update();
    t += 1;
    if (t > kLongestShown || (t > kEarliestDismiss && GameMouseClicks(1))) ArrowA->Kill();
    if (ArrowA->Killed) RemoveSelf();
}

} // namespace wispwood
