#include "framework/scene/scene_stack.h"
#include "engine/core/runtime_error.h"
#include "framework/scene/tunables.h"
#include <deque>
#include <typeinfo>

namespace wispwood {

TStack<Ref<GameLoop>> SceneStack;
Ref<ScreenFade> CurrentTransition;

GameLoop::GameLoop(SceneFactory recreate) : ResetWhenInactive(1), recreate_(std::move(recreate)) {
    if (!recreate_) RaiseRuntimeError("A scene that resets when revealed needs a factory");
}

int GameLoop::Escape() {
    GameLoopExiting = 1;
    return 0;
}

namespace {

struct SceneChange {
    bool Push = true;
    Ref<GameLoop> Scene;
    int Popping = 0;
    int Instant = 0;
};

std::deque<SceneChange> gWaitingChanges;

int PushNow(const Ref<GameLoop>& scene, int popping, int instant);
void PopNow(const Ref<GameLoop>& scene, int popping, int instant);

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
    if (!scene) return 0;
    if (TransitionInProgress(0) || !gWaitingChanges.empty()) {
        gWaitingChanges.push_back({true, scene, popping, instant});
        return 1;
    }
    return PushNow(scene, popping, instant);
}

int PopScene(const Ref<GameLoop>& scene, int popping, int instant) {
    if (!scene) return 0;
    if (TransitionInProgress(0) || !gWaitingChanges.empty()) {
        gWaitingChanges.push_back({false, scene, popping, instant});
        return 0;
    }
    PopNow(scene, popping, instant);
    return 0;
}

int SceneChangeWaiting() {
    return gWaitingChanges.empty() ? 0 : 1;
}

void MakeWaitingSceneChanges() {
    while (!gWaitingChanges.empty() && !TransitionInProgress(0)) {
        SceneChange change = std::move(gWaitingChanges.front());
        gWaitingChanges.pop_front();
        if (change.Push)
            PushNow(change.Scene, change.Popping, change.Instant);
        else
            PopNow(change.Scene, change.Popping, change.Instant);
    }
}

namespace {

int PushNow(const Ref<GameLoop>& scene, int popping, int instant) {
    Ref<GameLoop> old = TopScene();
    PushSceneInstantly(scene);
    ClearActiveTunables();
    // A transition needs a scene to come from; the very first push has none.
    if (instant != 1 && old) StartTransition(old, scene, popping);
    return 1;
}

void PopNow(const Ref<GameLoop>& scene, int popping, int instant) {
    if (TopScene() != scene) return;
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
    if (instant != 1) StartTransition(scene, revealed, popping);
}

} // namespace

void PushSceneInstantly(const Ref<GameLoop>& scene) {
    if (!scene) return;
    SceneStack.Push(scene);
    scene->Init();
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
    gWaitingChanges.clear();
}

} // namespace wispwood
