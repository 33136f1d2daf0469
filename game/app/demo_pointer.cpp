#include "game/app/demo_pointer.h"
#include "framework/anim/easing.h"
#include "framework/scene/input_snapshot.h"
#include <algorithm>
#include <cmath>

namespace wispwood {

namespace {

// A hand crosses the board in about a fifth of a second and takes a short
// hop in no less than 60 ms: always within the bot's 300 ms between clicks.
constexpr float kPixelsPerUpdate = 28;
constexpr int kShortestGlide = 6;
constexpr int kLongestGlide = 20;

} // namespace

void DemoPointer::Start(int x, int y) {
    fromX_ = toX_ = static_cast<float>(x);
    fromY_ = toY_ = static_cast<float>(y);
    glideUpdates_ = glided_ = 0;
    clickPending_ = false;
    OverrideMouse(x, y);
}

void DemoPointer::ClickAt(int x, int y) {
    fromX_ = static_cast<float>(GameMouseX());
    fromY_ = static_cast<float>(GameMouseY());
    toX_ = static_cast<float>(x);
    toY_ = static_cast<float>(y);
    const float distance = std::hypot(toX_ - fromX_, toY_ - fromY_);
    glideUpdates_ = std::clamp(static_cast<int>(distance / kPixelsPerUpdate), kShortestGlide, kLongestGlide);
    glided_ = 0;
    clickPending_ = true;
}

void DemoPointer::Update() {
    if (glided_ < glideUpdates_) glided_ += 1;
    const float t = glideUpdates_ > 0 ? static_cast<float>(glided_) / static_cast<float>(glideUpdates_) : 1;
    const int x = static_cast<int>(std::lround(LerpSquareSquareClamped(fromX_, toX_, t)));
    const int y = static_cast<int>(std::lround(LerpSquareSquareClamped(fromY_, toY_, t)));
    // Set every update: the game's mouse is this one for the whole demo.
    OverrideMouse(x, y);
    if (clickPending_ && glided_ >= glideUpdates_) {
        clickPending_ = false;
        ForceMouseClicks(1);
    }
}

} // namespace wispwood
