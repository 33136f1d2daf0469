#include "framework/data/split_string.h"

namespace wispwood {

TextArray SplitString(const Text& text, const Text& separator, const Ref<TextFormatter>& formatter,
                      int maxSplits) {
    TextArray parts;
    parts.reserve(128);
    parts.emplace_back();
    int splits = 0;
    const bool hasSeparator = !separator.empty();
    const char sep = hasSeparator ? separator[0] : '\0';
    for (char c : text) {
        if (hasSeparator && c == sep && (maxSplits == -1 || splits < maxSplits)) {
            parts.emplace_back();
            ++splits;
        } else {
            parts.back().push_back(c);
        }
    }
    if (formatter)
        for (Text& part : parts) part = formatter->Apply(part);
    return parts;
}

Text RepeatString(const Text& text, int count) {
    Text out;
    if (count <= 0) return out;
    out.reserve(text.size() * static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) out += text;
    return out;
}

} // namespace wispwood
