#include "framework/gui/gui_resources.h"
#include "engine/io/path.h"
#include "engine/io/text_routines.h"
#include "framework/images/game_image.h"
#include "framework/sound/sound.h"
#include <array>

namespace wispwood {

Ref<TImage> GuiStar;
Ref<TImage> GuiTwinkle;
Ref<TImage> GuiButtonGlow;
Ref<TImage> GuiButtonMainMenu;
Ref<TImage> GuiButtonEmptySmall;
Ref<TImage> GuiButtonEmpty;
Ref<TImage> GuiButtonBig;
Ref<TImage> GuiSelectable;
Ref<TImage> GuiButtonSidebar;
Ref<TImage> GuiSlider;
Ref<TImage> GuiSliderGadget;
Ref<TImage> GuiContainerBacking;
Ref<TImage> GuiPointer;
Ref<TImage> GuiPointerHand;
Ref<Sound> GuiHitSound;
Ref<Sound> GuiOverSound;

namespace {

struct SharedPicture {
    const char* file;
    Ref<TImage>* image;
};

const std::array<SharedPicture, 14> kPictures = {{
    {"star.png", &GuiStar},
    {"twinkle.png", &GuiTwinkle},
    {"button-glow.png", &GuiButtonGlow},
    {"button-mainmenu.png", &GuiButtonMainMenu},
    {"button-empty-small.png", &GuiButtonEmptySmall},
    {"button-empty.png", &GuiButtonEmpty},
    {"button-big.png", &GuiButtonBig},
    {"selectable.png", &GuiSelectable},
    {"button-sidebar.png", &GuiButtonSidebar},
    {"slider.png", &GuiSlider},
    {"slidergadget.png", &GuiSliderGadget},
    {"container.png", &GuiContainerBacking},
    {"pointer.png", &GuiPointer},
    {"pointerhand.png", &GuiPointerHand},
}};

} // namespace

void LoadGuiResources() {
    for (const auto& picture : kPictures) *picture.image = LoadGameImage(Text("media\\gui\\") + picture.file);
    GuiHitSound = SoundWrapper::Load({"media\\sound\\guihit.ogg"});
    GuiOverSound = SoundWrapper::Load({"media\\sound\\guiover.ogg"});
}

Ref<TImage> GuiImage(const Text& path) {
    Text normal = LowerText(NormalisePath(path));
    Text name = FileNamePart(normal);
    if (normal != name && normal != "media/gui/" + name) return nullptr;
    for (const auto& picture : kPictures)
        if (name == picture.file) return *picture.image;
    return nullptr;
}

void ResetGuiResources() {
    for (const auto& picture : kPictures) *picture.image = nullptr;
    GuiHitSound = nullptr;
    GuiOverSound = nullptr;
}

} // namespace wispwood
