#include "framework/scene/scene_stack.h"
#include "engine/core/runtime_error.h"
#include "framework/scene/tunables.h"
#include <typeinfo>

namespace wispwood {

TStack<Ref<GameLoop>> SceneStack;
Ref<ScreenFade> CurrentTransition;

GameLoop::GameLoop(SceneFactory recreate) : ResetWhenInactive(1), recreate_(std::move(recreate)) {
    if (!recreate_) RaiseRuntimeError("A scene that resets when revealed needs a factory");
}

int GameLoop::Escape() {
    if (!TransitionInProgress(0)) GameLoopExiting = 1;
    return 0;
}

namespace {

void StartTransition(const Ref<GameLoop>& oldScene, const Ref<GameLoop>& newTop, int popping) {
    if (CurrentTransition) return;
    const Ref<GameLoop>& decider = popping ? oldScene : newTop;
    Ref<ScreenFade> fade;
    if (decider && decider->FadeOnTop) {
        fade = New<FadeOnTop>();
    } else if (decider && decider->Fade) {
        fade = New<TestScreenFade>();
    } else {
        auto slide = New<SlideScreenFade>();
        if (popping) slide->FadeRight = 1;
        fade = slide;
    }
    fade->OldScene = oldScene;
    fade->Popping = popping;
    CurrentTransition = fade;
}

} // namespace

Ref<GameLoop> TopScene() {
    return SceneStack.Peek();
}

int PushScene(const Ref<GameLoop>& scene, int popping, int instant) {
    if (TransitionInProgress(0) || !scene) return 0;
    Ref<GameLoop> old = TopScene();
    PushSceneInstantly(scene);
    ClearActiveTunables();
    // A transition needs a scene to come from; the very first push has none.
    if (instant != 1 && old) StartTransition(old, scene, popping);
    return 1;
}

void PushSceneInstantly(const Ref<GameLoop>& scene) {
    if (!scene) return;
    SceneStack.Push(scene);
    scene->Init();
}

int PopScene(const Ref<GameLoop>& scene, int popping) {
    if (TransitionInProgress(0) || !scene || TopScene() != scene) return 0;
    SceneStack.Pop();
    Ref<GameLoop> revealed = TopScene();
    if (revealed && revealed->ResetWhenInactive) {
        Ref<GameLoop> fresh = revealed->NewOfSameClass();
        // Keeping the old object would show stale state as if it were new.
        const GameLoop& old = *revealed;
        if (!fresh || typeid(*fresh) != typeid(old))
            RaiseRuntimeError("A revealed scene was not replaced by a new scene of its class");
        SceneStack.Pop();
        SceneStack.Push(fresh);
        fresh->Init();
        revealed = fresh;
    }
    ClearActiveTunables();
    StartTransition(scene, revealed, popping);
    return 0;
}

int TransitionInProgress(int closingOnly) {
    return CurrentTransition ? CurrentTransition->InProgress(closingOnly) : 0;
}

int TransitionObscures(int x, int y) {
    return CurrentTransition ? CurrentTransition->MouseCoordsObscured(x, y) : 0;
}

void ResetSceneStack() {
    SceneStack.Clear();
    CurrentTransition = nullptr;
}

} // namespace wispwood
