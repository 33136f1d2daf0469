#pragma once
// GameLoop: the base of every scene (every screen of the game).
#include "engine/core/ref.h"

namespace wispwood {

class MusicScene;

class GameLoop {
public:
    virtual ~GameLoop() = default;

    // When a pop reveals this scene, a fresh scene of the same class takes
    // its place (the class must then override NewOfSameClass).
    int ResetWhenInactive = 0;
    // Asks to be popped at the end of the current frame.
    int GameLoopExiting = 0;
    // While on top, every frame runs exactly one update.
    int LimitToOneUpdate = 0;
    // Transitions decided by this scene are short linear cross-fades...
    int FadeOnTop = 0;
    // ... or quadratic cross-fades.
    int Fade = 0;
    // Removed from the stack once no longer on top.
    int DeleteFromStack = 0;
    // The game's mouse pointer is drawn over this scene.
    int DrawPointer = 1;
    // The music set that should play while this scene is on top.
    Ref<MusicScene> Scene;

    virtual int Start() { return 0; }
    // One simulation step of 10 ms.
    virtual int Update() = 0;
    // Draws the whole scene.
    virtual int Render() = 0;
    // Called when the scene is pushed (or recreated when revealed).
    virtual int Init() = 0;
    virtual int Destroy() { return 0; }
    virtual int ToEscape(int reference) {
        (void)reference;
        return 0;
    }
    // Asks to be popped at the end of the frame, unless a transition runs.
    virtual int Escape();

    // A new object of the scene's own class, for ResetWhenInactive; null
    // keeps the revealed object.
    virtual Ref<GameLoop> NewOfSameClass() const { return nullptr; }

    // Each scene class has a static Load that loads its shared images; the
    // base has none to load.
    static int Load() { return 0; }
};

} // namespace wispwood
