#pragma once
// Scenes and a fixture for driving the scene loop frame by frame on a
// manual clock and the headless display.
#include "engine/input/clock.h"
#include "framework/scene/game_loop.h"
#include "framework/scene/scene_stack.h"
#include "tests/support/headless_display.h"
#include <functional>

namespace wispwood::test {

// Whether the top of the scene stack is a scene of that class.
template <class Scene>
bool OnTop() {
    return Cast<Scene>(TopScene()) != nullptr;
}

// A scene that counts what the loop does to it.
class ProbeScene : public GameLoop {
  public:
    ProbeScene() = default;
    // A probe that a pop replaces by the factory's scene.
    explicit ProbeScene(SceneFactory recreate) : GameLoop(std::move(recreate)) {}
    int updates = 0, renders = 0, inits = 0;
    std::function<void(ProbeScene&)> onUpdate;
    int Update() override {
        ++updates;
        if (onUpdate) onUpdate(*this);
        return 0;
    }
    int Render() override {
        ++renders;
        return 0;
    }
    int Init() override {
        ++inits;
        return 0;
    }
};

// Starts every test with an empty scene stack, fresh loop state and a
// manual clock at 1000 ms; restores the system clock afterwards.
class SceneLoopTest : public HeadlessDisplayTest {
  protected:
    Ref<TManualClock> clock;
    void SetUp() override;
    void TearDown() override;
    // Advances the clock, then runs one frame.
    void Frame(int elapsedMs);
};

} // namespace wispwood::test
