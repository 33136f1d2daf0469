#include "game/board/tutorial_object.h"
#include "engine/draw/image.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_gadget.h"
#include "framework/gui/gui_text_heading.h"
#include "framework/scene/tunables.h"
#include "game/board/board_frame.h"
#include "game/board/tutorial_images.h"
#include "game/board/tutorials.h"
#include "game/services/game_fonts.h"
#include "game/services/text_table.h"

namespace wispwood {

void TutorialObject::Init() {
    Container = New<guiContainer>();
    Container->CaptureMouseOver = 0;
    const float px = static_cast<float>(static_cast<int>(x()));
    const float py = static_cast<float>(static_cast<int>(y()));
    Backing = Container->AddStatic(px, py, HelpPanelImage);
    Backing->DrawnTextLines = Block(0);
    Backing->DrawnTextFont = TutorialFont;
    Backing->DrawnTextScaleIn = 1;
    Backing->DrawnTextCentered = 2;
    Heading = Container->AddText(px, py, HeadingText);
    Heading->DrawnTextScaleIn = 1;
    Heading->DrawnTextCentered = 2;
    Update();
}

void TutorialObject::Update() {
    if (!Backing || !Heading) return;
    Backing->DrawnTextExtraX = GetTunable("drawntextx", "272");
    Backing->DrawnTextExtraY = GetTunable("drawntexty", "94");
    Heading->DrawnTextExtraX = GetTunable("headingx", "272");
    Heading->DrawnTextExtraY = GetTunable("headingy", "61");
    if (FadeIn() == 1) Backing->OverallAlpha = Heading->OverallAlpha = FadeInAlpha();
}

float TutorialObject::x() {
    const float width = HelpPanelImage ? static_cast<float>(ImageWidth(HelpPanelImage)) : 0;
    return static_cast<float>(BoardCentreX()) - width / 2;
}

int TutorialObject::PlayerClickDisallow(const Ref<Piece>&) {
    return 0;
}

TextArray TutorialObject::Block(size_t i) const {
    return i < TextBoxText.size() ? TextBoxText[i] : TextArray{};
}

void TutorialObject::RemoveSelf() {
    RemoveTutorial(this);
}

void FillLessonTexts(TutorialObject& lesson, const Text& section, const TextArray& keys) {
    lesson.TextBoxText.clear();
    for (const Text& key : keys) lesson.TextBoxText.push_back(GetTextList(section, key));
    lesson.HeadingText = GetText(section, "heading");
}

} // namespace wispwood
