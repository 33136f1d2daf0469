#pragma once
// TextFormatter: an ordered pipeline of text steps used to normalise keys.
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include <vector>

namespace wispwood {

class TextFormattingStep {
  public:
    virtual ~TextFormattingStep() = default;
    virtual Text Apply(const Text& text) = 0;
};

// Drops characters with codes up to 32 at both ends.
class TextFormattingTrim : public TextFormattingStep {
  public:
    Text Apply(const Text& text) override;
};

// ASCII capitals to small letters; every other code unchanged.
class TextFormattingToLower : public TextFormattingStep {
  public:
    Text Apply(const Text& text) override;
};

class TextFormattingToUpper : public TextFormattingStep {
  public:
    Text Apply(const Text& text) override;
};

class TextFormatter {
  public:
    std::vector<Ref<TextFormattingStep>> Steps;

    void AddStep(const Ref<TextFormattingStep>& step) { Steps.push_back(step); }
    Text Apply(const Text& text) const;
};

// The process-wide shared steps and formatters.
extern Ref<TextFormattingStep> TrimStep, LowerStep, UpperStep;
extern Ref<TextFormatter> TrimFormatter, LowerFormatter, UpperFormatter;
// Lower case, then trim: the normalisation of section names and keys.
extern Ref<TextFormatter> KeyFormatter;

} // namespace wispwood
