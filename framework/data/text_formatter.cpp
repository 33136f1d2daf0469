#include "framework/data/text_formatter.h"
#include "engine/io/text_routines.h"

namespace wispwood {

Text TextFormattingTrim::Apply(const Text& text) {
    return TrimText(text);
}
Text TextFormattingToLower::Apply(const Text& text) {
    return LowerText(text);
}
Text TextFormattingToUpper::Apply(const Text& text) {
    return UpperText(text);
}

Text TextFormatter::Apply(const Text& text) const {
    Text out = text;
    for (const auto& step : Steps) out = step->Apply(out);
    return out;
}

namespace {

Ref<TextFormatter> MakeFormatter(std::initializer_list<Ref<TextFormattingStep>> steps) {
    auto formatter = New<TextFormatter>();
    for (const auto& step : steps) formatter->AddStep(step);
    return formatter;
}

} // namespace

// The formatters hold no state beyond their steps, so they are built once
// at static initialisation and shared.
Ref<TextFormattingStep> TrimStep = New<TextFormattingTrim>();
Ref<TextFormattingStep> LowerStep = New<TextFormattingToLower>();
Ref<TextFormattingStep> UpperStep = New<TextFormattingToUpper>();
Ref<TextFormatter> TrimFormatter = MakeFormatter({TrimStep});
Ref<TextFormatter> LowerFormatter = MakeFormatter({LowerStep});
Ref<TextFormatter> UpperFormatter = MakeFormatter({UpperStep});
Ref<TextFormatter> KeyFormatter = MakeFormatter({LowerStep, TrimStep});

} // namespace wispwood
