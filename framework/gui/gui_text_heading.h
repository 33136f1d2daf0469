#pragma once
// A line of text with no picture; its size is that of the text, so a
// layout can place it like a picture.
#include "framework/gui/gui_gadget.h"

namespace wispwood {

class guiTextHeading : public guiGadget {
  public:
    guiTextHeading();
    void Render() override;
    // The drawn text's width and height at its scale.
    float GetWidtH() override;
    float GetHeight() override;
};

} // namespace wispwood
