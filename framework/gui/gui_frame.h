#pragma once
// A frame of any size (width x height) built from three pictures: the
// top-left corner (mirrored for the other corners), the top edge
// (stretched along each side, turned for the left and right ones) and a
// fill block stretched over the inside. The pieces are drawn at `scale`.
#include "framework/gui/gui_gadget.h"

namespace wispwood {

class guiFrame : public guiGadget {
  public:
    Ref<TImage> Corner;
    Ref<TImage> Border;
    Ref<TImage> Block;

    guiFrame();
    void Render() override;
};

} // namespace wispwood
