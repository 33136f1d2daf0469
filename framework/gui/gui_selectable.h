#pragma once
// A tick box (an independent toggle) or a radio button (one selected per
// Group within its container), drawn with an overlay while selected.
#include "framework/gui/gui_gadget.h"

namespace wispwood {

class guiSelectable : public guiGadget {
  public:
    int Group = 0;
    int Selected = 0;
    // 1: the overlay is drawn over the picture while selected; 0: it
    // replaces the picture.
    int DrawOverlay = 0;
    float DrawOverlayOffsetY = 0;
    float LastSelected = 0; // updates since the selection
    int TickBox = 0;        // 1 toggles on its own, 0 is a radio button
    Ref<TImage> Overlay;

    void Update(int blocked) override;
    void Render() override;

    int IsSelected() const { return Selected; }
    // A click: the tick box toggles, the radio button takes the selection
    // from the others of its group. Silent selections skip the pulse.
    void SelectItem(int silent);
    void SetTickBoxSelected(int selected, int silent);
    // The overlay's size over the updates since selection: a swell that
    // settles at 1.
    static float OverlayPulse(float lastSelected);
};

} // namespace wispwood
