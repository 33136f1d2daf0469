#include "game/board/tutorials.h"
#include "game/board/tutorial_object.h"
#include <algorithm>

namespace wispwood {

std::vector<Ref<TutorialObject>> Tutorials;

namespace {

// The first lesson, held so that it may remove itself while it runs.
Ref<TutorialObject> FirstLesson() {
    for (const Ref<TutorialObject>& lesson : Tutorials)
        if (lesson) return lesson;
    return nullptr;
}

} // namespace

void AddTutorial(const Ref<TutorialObject>& lesson) {
    if (lesson) Tutorials.push_back(lesson);
}

void RemoveTutorial(const TutorialObject* lesson) {
    std::erase_if(Tutorials, [lesson](const Ref<TutorialObject>& t) { return t.get() == lesson; });
}

void ClearTutorials() {
    Tutorials.clear();
}

void UpdateTutorial() {
    if (Ref<TutorialObject> lesson = FirstLesson()) lesson->Update();
}

void RenderTutorial() {
    if (Ref<TutorialObject> lesson = FirstLesson()) lesson->Render();
}

int TutorialCount() {
    return static_cast<int>(Tutorials.size());
}

int TutorialClickDisallowed(const Ref<Piece>& piece) {
    // A copy: asking a lesson must not disturb the walk.
    const std::vector<Ref<TutorialObject>> lessons = Tutorials;
    for (const Ref<TutorialObject>& lesson : lessons)
        if (lesson && lesson->PlayerClickDisallow(piece) == 1) return 1;
    return 0;
}

} // namespace wispwood
