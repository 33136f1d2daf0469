#pragma once
// A black rectangle (the whole screen unless told otherwise) behind a
// dialog.
#include "engine/draw/graphics.h"
#include "framework/gui/gui_gadget.h"

namespace wispwood {

class guiDarkenScreen : public guiGadget {
  public:
    float Drawx = 0;
    float Drawy = 0;
    float Drawwidth = ScreenWidth;
    float Drawheight = ScreenHeight;
    float Alpha = 0.8f;

    guiDarkenScreen();
    void Render() override;
};

// Black over the rectangle at the alpha (times the alpha of the drawing
// state it is drawn in).
void DarkenRect(float x, float y, float w, float h, float alpha);

} // namespace wispwood
