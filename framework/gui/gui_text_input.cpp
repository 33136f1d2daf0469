#include "framework/gui/gui_text_input.h"
#include "engine/draw/image.h"
#include "engine/input/key_codes.h"
#include "framework/anim/ticker.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "framework/scene/input_snapshot.h"

namespace wispwood {

namespace {

// The keys polled, in this order, and what each types.
const char kKeys[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ ";
const char kTyped[] = "0123456789abcdefghijklmnopqrstuvwxyz ";
// The order the arrows turn a character through: letters first, as most
// names want.
const char kArrowRing[] = "abcdefghijklmnopqrstuvwxyz0123456789 ";
constexpr int kArrowRingSize = sizeof kArrowRing - 1;
constexpr int kCaretBlink = 30; // updates on, then off
constexpr float kMargin = 10;
int64_t gLastTypingUpdate = -2;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The box's character for a typed one (letters in small form), or 0.
int Accepted(int typed) {
    if (typed >= 'A' && typed <= 'Z') typed += 'a' - 'A';
    for (int i = 0; kTyped[i]; ++i)
        if (kTyped[i] == typed) return typed;
    return 0;
}

} // namespace

int TextBoxTyping() {
    return gLastTypingUpdate >= UpdateCount - 1 && gLastTypingUpdate <= UpdateCount ? 1 : 0;
}

void ResetTextBoxTyping() {
    gLastTypingUpdate = -2;
}

int guiTextInput::KeyCharacter(int key) {
    for (int i = 0; kKeys[i]; ++i)
        if (kKeys[i] == key) return kTyped[i];
    return 0;
}

void guiTextInput::TypeCharacter(int character) {
    char c = static_cast<char>(character);
    if (c == ' ' && Text.empty()) return;
    if (Text.empty() || IsDigit(Text.front()) || Text.back() == ' ') c = Upper(c);
    Text.push_back(c);
}

void guiTextInput::EditByArrows(int dx, int dy) {
    if (dx < 0 && !Text.empty()) Text.pop_back();
    if (dx > 0 || (dy != 0 && Text.empty())) {
        TypeCharacter('a');
    } else if (dy != 0) {
        // Up is on to the next character, down back to the one before.
        const int step = -dy;
        const char last = static_cast<char>(Accepted(Text.back()));
        int i = 0;
        while (i < kArrowRingSize && kArrowRing[i] != last) ++i;
        if (i == kArrowRingSize) i = 0;
        Text.pop_back();
        const int n = kArrowRingSize;
        i = ((i + step) % n + n) % n;
        // A name cannot start with a space.
        if (kArrowRing[i] == ' ' && Text.empty()) i = ((i + step) % n + n) % n;
        TypeCharacter(kArrowRing[i]);
    }
    FitText();
}

float guiTextInput::TextLimit() {
    return MaxTextWidth > 0 ? static_cast<float>(MaxTextWidth) : GetWidtH() - 20;
}

void guiTextInput::FitText() {
    CurrentFontScope font(LabelFont());
    float limit = TextLimit();
    while (!Text.empty() && CurrentFontLength(Text, 1) > limit) Text.pop_back();
}

void guiTextInput::Update(int blocked) {
    guiGadget::Update(blocked);
    moverduration = 0.3f;
    // Keys reach only the box the player can use: not one behind a dialog,
    // in a container going away, or switched off.
    if (blocked || !active || disablemouse) return;
    gLastTypingUpdate = UpdateCount;
    // Typed characters come one an update in the order they were typed;
    // polling the keys in a fixed order instead would turn "bob" typed
    // within one update into "BO". Keys alone (no text from the platform)
    // still type, as before.
    if (int typed = GameNextTypedChar()) {
        if (int c = Accepted(typed)) TypeCharacter(c);
    } else {
        for (int i = 0; kKeys[i]; ++i)
            if (GameKeyPresses(kKeys[i])) TypeCharacter(kTyped[i]);
    }
    if (GameKeyPresses(KeyBackspace) && !Text.empty()) Text.pop_back();
    FitText();
}

void guiTextInput::Render() {
    guiGadget::Render();
    CurrentFontScope font(LabelFont());
    if (!CurrentFont) return;
    float h = GetHeight();
    float top = y + h / 2 - CurrentFontHeight(1) / 2;
    TDrawState::Push();
    TDrawState::PushAlpha(OverallAlpha);
    PrintText(Text, x + kMargin, top, AlignLeft, 1);
    if ((ticks / kCaretBlink) % 2 == 0)
        PrintText("I", x + kMargin + CurrentFontLength(Text, 1), top, AlignLeft, 1);
    TDrawState::Pop();
}

} // namespace wispwood
