#include "framework/gui/gui_slider.h"
#include "engine/draw/image.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include <algorithm>
#include <cmath>

namespace wispwood {

void guiSlider::Update(int blocked) {
    guiGadget::Update(blocked);
    int mx = GameMouseX(), my = GameMouseY();
    int dragging = 0;
    if (!blocked && active && !disablemouse && GameMouseDown(1) && !TransitionObscures(mx, my)) {
        float fx = static_cast<float>(mx), fy = static_cast<float>(my);
        float knobHalf = ChildImage ? static_cast<float>(ChildImage->height) / 2 : 0;
        float trackHalf = GetWidtH() / 2;
        float start = x + static_cast<float>(ChildX);
        float end = start + static_cast<float>(SliderWidth);
        if (std::fabs(fy - (y + static_cast<float>(ChildY))) <= knobHalf) {
            if (fx >= start && fx <= end) {
                SliderValue = SliderWidth > 0 ? (fx - start) / static_cast<float>(SliderWidth) : 0;
                dragging = 1;
            } else if (fx < start && fx >= start - trackHalf) {
                SliderValue = 0;
                dragging = 1;
            } else if (fx > end && fx <= end + trackHalf) {
                SliderValue = 1;
                dragging = 1;
            }
        }
    }
    MRelease = LastFrameMOver && !dragging ? 1 : 0;
    LastFrameMOver = dragging;
    KeyMoved = keyStep_;
    keyStep_ = 0;
}

void guiSlider::StepByKeys(int direction) {
    constexpr float kSteps = 10;
    float tenths = std::round(SliderValue * kSteps) + static_cast<float>(direction);
    SliderValue = std::clamp(tenths / kSteps, 0.0f, 1.0f);
    keyStep_ = 1;
}

void guiSlider::Render() {
    guiGadget::Render();
    if (!ChildImage) return;
    // The knob scales with the gadget about the gadget's centre.
    float c = HoverScale();
    float gx = x + GetWidtH() / 2, gy = y + GetHeight() / 2;
    float kx = gx + (x + static_cast<float>(ChildX) + SliderValue * static_cast<float>(SliderWidth) - gx) * c;
    float ky = gy + (y + static_cast<float>(ChildY) - gy) * c;
    DrawGreyed(ChildImage, kx, ky, c, std::min(OverallAlpha, 1.0f));
}

} // namespace wispwood
