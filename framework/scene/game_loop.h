#pragma once
// GameLoop: the base of every scene (every screen of the game).
#include "engine/core/ref.h"
#include <functional>

namespace wispwood {

class GameLoop;
class MusicScene;
class NavTargets;

// Makes a new scene of one class.
using SceneFactory = std::function<Ref<GameLoop>()>;

// A factory for scenes of the class T (made with no arguments).
template <class T>
Ref<GameLoop> NewScene() {
    return New<T>();
}

class GameLoop {
  protected:
    GameLoop() = default;
    // A scene that a pop replaces by the factory's fresh scene of its class
    // whenever it is revealed. The flag comes only with the factory, so a
    // class cannot ask to be reset and silently keep its old object; an
    // empty factory is a run-time error.
    explicit GameLoop(SceneFactory recreate);

  public:
    virtual ~GameLoop() = default;

    // When a pop reveals this scene, a fresh scene of the same class takes
    // its place. Set by the constructor that takes the factory.
    const int ResetWhenInactive = 0;
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
    // The music set that should play while this scene is on top (a set of
    // tracks, not a scene: the name is the design's).
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
    // Asks to be popped at the end of the frame, or once the running
    // transition has ended.
    virtual int Escape();
    // The places the keyboard and pad cursor can stand on now
    // (framework/navigation); a scene without any offers none.
    virtual void NavigationTargets(NavTargets& targets) { (void)targets; }

    // A new object of the scene's own class from the factory given at
    // construction; null for a scene without ResetWhenInactive.
    Ref<GameLoop> NewOfSameClass() const { return recreate_ ? recreate_() : nullptr; }

    // Each scene class has a static Load that loads its shared images; the
    // base has none to load.
    static int Load() { return 0; }

  private:
    SceneFactory recreate_;
};

} // namespace wispwood
