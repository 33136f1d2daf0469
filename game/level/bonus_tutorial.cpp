#include "game/level/bonus_tutorial.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_gadget.h"
#include "game/board/tutorials.h"
#include "game/level/bonus_game.h"
#include "game/services/settings.h"

namespace wispwood {

namespace {

template <class F>
void ForEachBonusLesson(F&& f) {
    const std::vector<Ref<TutorialObject>> lessons = Tutorials;
    for (const Ref<TutorialObject>& lesson : lessons)
        if (auto bonus = Cast<TutorialObjectBonus>(lesson)) f(*bonus);
}

} // namespace

void TutorialObjectBonus::Update() {
    TutorialObject::Update();
    if (Container) Container->Update();
}

float TutorialObjectBonus::FadeInAlpha() {
    return BonusFadeAlpha();
}

void TutorialObjectBonus::Render() {
    if (Container) Container->Render(0);
}

void TutorialObjectBonus::SwapText() {
    if (Backing) Backing->ChangeDrawnTextLines(Block(1));
}

void TutorialObjectBonus::SwapTextGreat() {
    if (Backing) Backing->ChangeDrawnTextLines(Block(2));
}

void StartBonusTutorial() {
    if (GetHints() == 0 || TutorialCount() != 0) return;
    auto lesson = New<TutorialObjectBonus>();
    FillLessonTexts(*lesson, "bonustutorial", {"firstgroup", "secondgroup", "thirdgroup"});
    lesson->Init();
    AddTutorial(lesson);
}

void SwapBonusTutorialText() {
    ForEachBonusLesson([](TutorialObjectBonus& lesson) { lesson.SwapText(); });
}

void SwapBonusTutorialTextGreat() {
    ForEachBonusLesson([](TutorialObjectBonus& lesson) { lesson.SwapTextGreat(); });
}

} // namespace wispwood
