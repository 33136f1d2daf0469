#pragma once
// The one stack of scenes, and pushing and popping through transitions.
//
// A push or pop asked for while a transition runs waits and is made once
// the transition has ended, at the end of a frame, in the order asked. The
// scene that asked is not updated while its change waits, so it never asks
// twice and nothing it does after asking is lost or repeated.
#include "framework/containers/stack.h"
#include "framework/scene/screen_fade.h"

namespace wispwood {

extern TStack<Ref<GameLoop>> SceneStack;
extern Ref<ScreenFade> CurrentTransition;

// The scene is pushed and gets Init, and a transition from the old top
// starts unless instant is 1; while a transition runs, all that waits (see
// above). 1, or 0 for a null scene.
int PushScene(const Ref<GameLoop>& scene, int popping = 0, int instant = 0);
// Pops the scene when it is the top, recreating the revealed scene when it
// asks for that, with a transition unless instant is 1; while a transition
// runs the pop waits, and is dropped if the scene is no longer the top when
// its turn comes. Always returns 0.
int PopScene(const Ref<GameLoop>& scene, int popping = 1, int instant = 0);
// 1 while a push or pop waits for the running transition to end.
int SceneChangeWaiting();
// At the end of a frame with no transition running: makes the waiting
// changes in order, until one of them starts a transition of its own.
void MakeWaitingSceneChanges();
// Pushes the scene without a transition and gives it Init; the running
// frame loop (or the next one started) updates it from then on.
void PushSceneInstantly(const Ref<GameLoop>& scene);

int TransitionInProgress(int closingOnly = 0);
int TransitionObscures(int x, int y);

// The current top scene, or null.
Ref<GameLoop> TopScene();

// Empty stack, no transition, nothing waiting.
void ResetSceneStack();

} // namespace wispwood
