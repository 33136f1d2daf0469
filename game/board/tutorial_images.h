#pragma once
// The pictures of the lessons: the framed panel that holds their texts and
// the arrow that points at pieces.
#include "engine/core/ref.h"

namespace wispwood {

class TImage;

extern Ref<TImage> HelpPanelImage;
extern Ref<TImage> TutorialArrowImage;

void LoadHelpPanelImage();
// Loaded with the board's pictures; drawn from the middle of its top edge.
void LoadTutorialArrowImage();

void ResetTutorialImages();

} // namespace wispwood
