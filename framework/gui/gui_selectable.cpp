#include "framework/gui/gui_selectable.h"
#include "engine/draw/image.h"
#include "framework/anim/piecewise_function.h"
#include "framework/draw_state/draw_state.h"
#include "framework/gui/gui_container.h"
#include "framework/images/game_image.h"

namespace wispwood {

namespace {

// Far past the end of the pulse.
constexpr float kSettled = 1000;

const TPieceWiseFunction& Pulse() {
    static const Ref<TPieceWiseFunction> pulse =
        TPieceWiseFunction::CreateFromArray({{0, 0.6f}, {6, 1.25f}, {12, 0.92f}, {18, 1.05f}, {24, 1.0f}});
    return *pulse;
}

} // namespace

float guiSelectable::OverlayPulse(float lastSelected) {
    return Pulse().InterpolateLinearly(lastSelected);
}

void guiSelectable::Update(int blocked) {
    guiGadget::Update(blocked);
    if (mhit) SelectItem(0);
    LastSelected += 1;
}

void guiSelectable::SelectItem(int silent) {
    if (TickBox) {
        SetTickBoxSelected(Selected ? 0 : 1, silent);
        return;
    }
    if (auto container = Parent()) {
        for (const auto& gadget : container->Gadgets) {
            auto other = std::dynamic_pointer_cast<guiSelectable>(gadget);
            if (other && other.get() != this && !other->TickBox && other->Group == Group) other->Selected = 0;
        }
    }
    if (!Selected) LastSelected = silent ? kSettled : 0;
    Selected = 1;
}

void guiSelectable::SetTickBoxSelected(int selected, int silent) {
    if (selected && !Selected) LastSelected = silent ? kSettled : 0;
    Selected = selected ? 1 : 0;
}

void guiSelectable::Render() {
    if (Selected && !DrawOverlay && Overlay) {
        RenderImage(Overlay);
        RenderText();
        return;
    }
    RenderImage(mover && MouseOver ? MouseOver : Image);
    if (Selected && Overlay) RenderImage(Overlay, OverlayPulse(LastSelected), DrawOverlayOffsetY);
    RenderText();
}

} // namespace wispwood
