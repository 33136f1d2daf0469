#pragma once
// Whether a widget a scene keeps a reference to is still on screen: not
// removed from its container, and a container not closing either.
#include "framework/gui/gui_are_you_sure.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_gadget.h"

namespace wispwood {

inline bool Alive(const Ref<guiGadget>& g) {
    return g && !g->Removed;
}

inline bool Alive(const Ref<guiContainer>& c) {
    return c && !c->Removed && !c->Destroying;
}

inline bool Alive(const Ref<guiAreYouSure>& d) {
    return d && d->Alive() && !d->Removed;
}

} // namespace wispwood
