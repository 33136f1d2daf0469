#pragma once
// The one stack of scenes, and pushing and popping through transitions.
#include "framework/containers/stack.h"
#include "framework/scene/screen_fade.h"

namespace wispwood {

extern TStack<Ref<GameLoop>> SceneStack;
extern Ref<ScreenFade> CurrentTransition;

// Refused (0) while a transition runs. Otherwise the scene is pushed, gets
// Init, and a transition from the old top starts unless instant is 1.
int PushScene(const Ref<GameLoop>& scene, int popping = 0, int instant = 0);
// Pops the scene when it is the top and no transition runs, recreating the
// revealed scene when it asks for that. Always returns 0.
int PopScene(const Ref<GameLoop>& scene, int popping = 1);
// Pushes the scene without a transition and gives it Init; the running
// frame loop (or the next one started) updates it from then on.
void PushSceneInstantly(const Ref<GameLoop>& scene);

int TransitionInProgress(int closingOnly = 0);
int TransitionObscures(int x, int y);

// The current top scene, or null.
Ref<GameLoop> TopScene();

// Empty stack, no transition.
void ResetSceneStack();

} // namespace wispwood
