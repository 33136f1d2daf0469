#pragma once
// Places a container's gadgets by a layout: each gadget whose LayoutName
// names an element lends it its picture (a heading a blank one of its
// text's size), the layout is stacked, and the gadget is moved and scaled
// to fill its element's box. Gadgets without an element keep their places.
#include "engine/core/ref.h"

namespace wispwood {

class guiContainer;
class LayoutElement;

void ApplyLayout(guiContainer& container, const Ref<LayoutElement>& layout);

} // namespace wispwood
