#include "framework/layout/apply_layout.h"
#include "engine/draw/image.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_text_heading.h"
#include "framework/layout/layout_element.h"
#include <algorithm>
#include <cmath>

namespace wispwood {

namespace {

// The element a gadget names; an empty name names nothing.
Ref<LayoutElement> ElementOf(LayoutElement& layout, const guiGadget& gadget) {
    return gadget.LayoutName.empty() ? nullptr : layout.FindChild(gadget.LayoutName);
}

} // namespace

void LayoutElement::SetImagesFromContainer(guiContainer& container) {
    // Pictures bound by an earlier container using this layout no longer
    // count.
    ClearImages();
    for (const auto& gadget : container.Gadgets) {
        auto element = ElementOf(*this, *gadget);
        if (!element) continue;
        if (std::dynamic_pointer_cast<guiTextHeading>(gadget)) {
            int w = std::max(1, static_cast<int>(std::ceil(gadget->GetWidtH())));
            int h = std::max(1, static_cast<int>(std::ceil(gadget->GetHeight())));
            element->im = CreateImage(w, h, 1, 0);
        } else {
            element->im = gadget->Image;
        }
    }
}

void ApplyLayout(guiContainer& container, const Ref<LayoutElement>& layout) {
    if (!layout) return;
    layout->SetImagesFromContainer(container);
    layout->LayoutChildren(1);
    for (const auto& gadget : container.Gadgets) {
        auto element = ElementOf(*layout, *gadget);
        if (!element || !element->im) continue;
        float s = element->Scale;
        gadget->x = element->x - (1 - s) * static_cast<float>(element->im->width) / 2;
        gadget->y = element->y - (1 - s) * static_cast<float>(element->im->height) / 2;
        gadget->scale = s;
    }
}

} // namespace wispwood
