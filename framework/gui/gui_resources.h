#pragma once
// The pictures and sounds every widget shares, loaded once at start-up.
#include "engine/core/ref.h"
#include "engine/core/text.h"

namespace wispwood {

class TImage;
class Sound;

extern Ref<TImage> GuiStar;
extern Ref<TImage> GuiTwinkle;    // hover sparkles
extern Ref<TImage> GuiButtonGlow; // hover glow
extern Ref<TImage> GuiButtonMainMenu;
extern Ref<TImage> GuiButtonEmptySmall;
extern Ref<TImage> GuiButtonEmpty;
extern Ref<TImage> GuiButtonBig;
extern Ref<TImage> GuiSelectable;
extern Ref<TImage> GuiButtonSidebar;
extern Ref<TImage> GuiSlider;
extern Ref<TImage> GuiSliderGadget;
extern Ref<TImage> GuiContainerBacking; // dialog backing
extern Ref<TImage> GuiPointer;
extern Ref<TImage> GuiPointerHand;
extern Ref<Sound> GuiHitSound;  // every new gadget's click sound
extern Ref<Sound> GuiOverSound; // every new gadget's hover sound (never played)

// Loads them all (a missing picture is reported as by LoadGameImage).
void LoadGuiResources();
// The shared picture of that file (for example "media\gui\slider.png" or
// just "slider.png"; letter case and slashes do not matter), or null.
Ref<TImage> GuiImage(const Text& path);

void ResetGuiResources();

} // namespace wispwood
