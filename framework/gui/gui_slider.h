#pragma once
// A horizontal slider: a track picture with a knob the player drags
// between 0 (left) and 1 (right).
#include "framework/gui/gui_gadget.h"

namespace wispwood {

class guiSlider : public guiGadget {
  public:
    Ref<TImage> ChildImage; // the knob
    int ChildX = 0;         // the knob's centre at value 0, from the corner
    int ChildY = 0;
    int SliderWidth = 0; // the knob's travel
    float SliderValue = 0;
    int LastFrameMOver = 0; // dragged in the previous update
    int MRelease = 0;       // 1 in the update in which a drag ended
    // 1 from the update in which the keys moved the knob until the next
    // one, as mhit reports a click.
    int KeyMoved = 0;

    void Update(int blocked) override;
    void Render() override;
    // Moves the knob one tenth of the track left (-1) or right (1), to the
    // nearest tenth.
    void StepByKeys(int direction);

  private:
    int keyStep_ = 0;
};

} // namespace wispwood
