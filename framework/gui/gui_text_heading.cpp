#include "framework/gui/gui_text_heading.h"
#include "framework/fonts/font.h"
#include <algorithm>

namespace wispwood {

guiTextHeading::guiTextHeading() {
    Clickable = 0;
    DisableMouseOverEffect = 1;
}

void guiTextHeading::Render() {
    RenderText();
}

float guiTextHeading::GetWidtH() {
    CurrentFontScope font(LabelFont());
    float w = 0;
    if (DrawnTextLines.empty()) w = CurrentFontLength(DrawnText, DrawnTextScale);
    for (const auto& line : DrawnTextLines) w = std::max(w, CurrentFontLength(line, DrawnTextScale));
    return w;
}

float guiTextHeading::GetHeight() {
    CurrentFontScope font(LabelFont());
    auto lines = std::max<size_t>(DrawnTextLines.size(), 1);
    return CurrentFontHeight(DrawnTextScale) * static_cast<float>(lines);
}

} // namespace wispwood
