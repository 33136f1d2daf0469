#include "game/board/tutorial_images.h"
#include "engine/draw/image.h"
#include "framework/images/game_image.h"

namespace wispwood {

Ref<TImage> HelpPanelImage;
Ref<TImage> TutorialArrowImage;

void LoadHelpPanelImage() {
    HelpPanelImage = LoadGameImage("media\\help\\helpcontainer.png");
}

void LoadTutorialArrowImage() {
    TutorialArrowImage = LoadGameImage("media\\tutorial\\arrow.png");
    if (TutorialArrowImage)
        SetImageHandle(TutorialArrowImage, static_cast<float>(ImageWidth(TutorialArrowImage) / 2), 0);
}

void ResetTutorialImages() {
    HelpPanelImage = TutorialArrowImage = nullptr;
}

} // namespace wispwood
