#include "framework/gui/gui_are_you_sure.h"
#include "engine/draw/image.h"
#include "engine/input/key_codes.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_darken_screen.h"
#include "framework/scene/input_snapshot.h"
#include <algorithm>

namespace wispwood {

namespace {

constexpr float kTextTop = 60;    // the least room above the first line
constexpr float kSideMargin = 30; // beside the longest line
constexpr float kLineGap = 52;    // added to the font height between lines
constexpr float kButtonGap = 24;  // between the last line and the buttons
constexpr float kButtonApart = 20;
constexpr float kBottomMargin = 40;
constexpr int kLineDelay = 30; // updates between the starts of two lines
constexpr float kDarkness = 0.8f;

// The text lines (at least one) and the gap below them down to the buttons.
float TextAndGap(guiAreYouSure& dialog) {
    float lines = static_cast<float>(std::max<size_t>(dialog.Text.size(), 1));
    return dialog.LineStep() * lines - kLineGap + kButtonGap;
}

} // namespace

guiAreYouSure::guiAreYouSure() {
    Clickable = 0;
    IgnoreOver = 1;
    DisableMouseOverEffect = 1;
}

float guiAreYouSure::LineStep() {
    CurrentFontScope font(LabelFont());
    return CurrentFontHeight(1) + kLineGap;
}

float guiAreYouSure::TextTop() {
    float backingHeight = backing ? backing->GetHeight() : 0;
    float buttonHeight = 0;
    for (const auto& button : {yes, no, ok})
        if (button) buttonHeight = std::max(buttonHeight, button->GetHeight());
    float content = TextAndGap(*this) + buttonHeight;
    return basey + std::max(kTextTop, (backingHeight - content) / 2);
}

float guiAreYouSure::LineWidthLimit() {
    if (fixedwidth && fixedwidthwidth > 0) return static_cast<float>(fixedwidthwidth);
    return backing ? backing->GetWidtH() - 2 * kSideMargin : 0;
}

void guiAreYouSure::PlaceButtons() {
    float backingWidth = backing ? backing->GetWidtH() : 0;
    float backingHeight = backing ? backing->GetHeight() : 0;
    float centre = basex + backingWidth / 2;
    float textBottom = TextTop() + TextAndGap(*this);
    auto place = [&](const Ref<guiGadget>& button, float left) {
        if (!button) return;
        float lowest = basey + backingHeight - kBottomMargin - button->GetHeight();
        button->x = left;
        button->y = std::max(std::min(textBottom, lowest), basey) + ExtraHeight;
    };
    if (yes && no) {
        place(yes, centre - kButtonApart / 2 - yes->GetWidtH());
        place(no, centre + kButtonApart / 2);
    } else {
        place(yes, centre - (yes ? yes->GetWidtH() : 0) / 2);
        place(no, centre - (no ? no->GetWidtH() : 0) / 2);
    }
    place(ok, centre - (ok ? ok->GetWidtH() : 0) / 2);
}

void guiAreYouSure::Update(int blocked) {
    guiGadget::Update(blocked);
    if (AutoKill && value_ != 0 && !Killing) {
        Destroy();
        return;
    }
    TicksTime += 1;
    Progress = DarkTime > 0 ? std::min(1.0f, static_cast<float>(TicksTime) / DarkTime) : 1.0f;
    if (screendarkening) screendarkening->Alpha = kDarkness * Progress;
    PlaceButtons();
    if (Killing || blocked) return;

    int noHit = no && no->mhit;
    if (noHit || (CanEscape && GameKeyPresses(KeyEscape))) {
        if (noHit && NoImportant) {
            value_ = 2;
        } else {
            value_ = 0;
            Destroy();
            return;
        }
    }
    if ((yes && yes->mhit) || (ok && ok->mhit)) value_ = 1;
}

void guiAreYouSure::Render() {
    CurrentFontScope font(LabelFont());
    if (!CurrentFont) return;
    float centre = basex + (backing ? backing->GetWidtH() : 0) / 2;
    float step = LineStep();
    TDrawState::Push();
    TDrawState::PushAlpha(std::min(OverallAlpha, 1.0f));
    float top = TextTop();
    float limit = LineWidthLimit();
    for (size_t i = 0; i < Text.size(); ++i) {
        // A line too long for the dialog is printed smaller.
        float textScale = 1;
        float w = CurrentFontLength(Text[i], 1);
        if (limit > 0 && w > limit) textScale = limit / w;
        float lineTop = top + step * static_cast<float>(i);
        PrintPopIn(Text[i], centre, lineTop, AlignCentre, textScale,
                   TicksTime - kLineDelay * static_cast<int>(i), 0);
    }
    TDrawState::Pop();
}

void guiAreYouSure::Activate() {
    guiGadget::Activate();
    for (const auto& button : {yes, no, ok})
        if (button) button->Activate();
}

void guiAreYouSure::Deactivate() {
    guiGadget::Deactivate();
    for (const auto& button : {yes, no, ok})
        if (button) button->Deactivate();
}

void guiAreYouSure::Disable() {
    if (auto container = Parent()) container->Disable = 1;
}

void guiAreYouSure::Destroy() {
    if (Killing) return;
    Killing = 1;
    if (auto container = Parent()) container->Destroy();
}

int guiAreYouSure::Alive() const {
    return Killing ? 0 : 1;
}

} // namespace wispwood
