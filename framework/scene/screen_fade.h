#pragma once
// The animated screen transitions that play when a scene is pushed or
// popped. While one runs, further pushes and pops wait for it to end
// (scene_stack.h).
#include "engine/draw/image.h"
#include "framework/scene/game_loop.h"

namespace wispwood {

class ScreenFade {
public:
    virtual ~ScreenFade() = default;

    Ref<GameLoop> OldScene; // the scene shown before the change
    int Popping = 0;

    virtual int InProgress(int closingOnly);
    virtual int MouseCoordsObscured(int x, int y);
    virtual void Update() = 0;
    // scene: the current top of the stack.
    virtual void Render(const Ref<GameLoop>& scene) = 0;
    virtual void Finish();
};

// A quadratic cross-fade of 40 updates: the game's own, whatever the name.
class TestScreenFade : public ScreenFade {
public:
    int Ticks = 0;
    void Update() override;
    void Render(const Ref<GameLoop>& scene) override;
};

// A linear cross-fade of 20 updates.
class FadeOnTop : public ScreenFade {
public:
    int Ticks = 0;
    void Update() override;
    void Render(const Ref<GameLoop>& scene) override;
};

// Four corner pieces close over the old scene and open onto the new one,
// 180 updates in all.
class SlideScreenFade : public ScreenFade {
public:
    int Ticks = 0;
    int FadeRight = 0;
    int InProgress(int closingOnly) override;
    int MouseCoordsObscured(int x, int y) override;
    void Update() override;
    void Render(const Ref<GameLoop>& scene) override;

    // The corner pieces' offset from the screen corners at the current tick.
    int Offset() const;
};

// The corner pieces: top-left, top-right, bottom-left, bottom-right.
extern Ref<TImage> TransitionImages[4];
// Loads them, each anchored at its outer screen corner.
void LoadTransitionImages();
// Lets them go (start-up state).
void ResetTransitionImages();

} // namespace wispwood
