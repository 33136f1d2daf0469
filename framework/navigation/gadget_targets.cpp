#include "framework/navigation/gadget_targets.h"
#include "engine/draw/graphics.h"
#include "framework/gui/gui_container.h"
#include "framework/navigation/nav_target.h"

namespace wispwood {

namespace {

bool Offered(guiGadget& g) {
    if (!g.Clickable || !g.active || g.disablemouse || g.hidden || g.Removed || g.IgnoreOver) return false;
    float w = g.GetWidtH(), h = g.GetHeight();
    // Buttons still sliding in from below the screen wait until they show.
    return w > 0 && h > 0 && g.x < static_cast<float>(ScreenWidth) &&
           g.y < static_cast<float>(ScreenHeight) && g.x + w > 0 && g.y + h > 0;
}

} // namespace

bool DialogOpen(const guiContainer& root) {
    return root.Child != nullptr;
}

void AddGadgetTargets(guiContainer& root, NavTargets& targets) {
    guiContainer& dialog = root.TopDialog();
    if (dialog.Disable || dialog.Removed || dialog.Destroying) return;
    for (const Ref<guiGadget>& g : dialog.Gadgets) {
        if (!Offered(*g)) continue;
        NavTarget t;
        t.key = g;
        t.gadget = g;
        float w = g->GetWidtH(), h = g->GetHeight();
        t.px = g->x + w / 2;
        t.py = g->y + h / 2;
        // The frame fits the picture as drawn, which may be scaled about
        // its centre.
        t.w = w * g->scale;
        t.h = h * g->scale;
        t.x = t.px - t.w / 2;
        t.y = t.py - t.h / 2;
        targets.Add(std::move(t));
    }
    if (!targets.Start)
        if (Ref<guiGadget> start = dialog.NavStart.lock()) targets.Start = start;
}

} // namespace wispwood
