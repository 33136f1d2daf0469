#include "engine/io/text_routines.h"
#include <algorithm>

namespace wispwood {

int FindText(const Text& text, const Text& sub, int start) {
    if (sub.empty()) return 0;
    size_t from = start < 1 ? 0 : static_cast<size_t>(start - 1);
    if (from >= text.size()) return 0;
    size_t at = text.find(sub, from);
    return at == Text::npos ? 0 : static_cast<int>(at) + 1;
}

Text Substring(const Text& text, int start, int count) {
    int64_t first = start, length = count;
    if (first < 1) {
        if (length >= 0) length += first - 1;
        first = 1;
    }
    if (first > static_cast<int64_t>(text.size())) return Text();
    size_t offset = static_cast<size_t>(first - 1);
    if (length < 0) return count < 0 ? text.substr(offset) : Text();
    return text.substr(offset, static_cast<size_t>(length));
}

Text LeftText(const Text& text, int count) {
    if (count <= 0) return Text();
    return text.substr(0, static_cast<size_t>(count));
}

Text RightText(const Text& text, int count) {
    if (count <= 0) return Text();
    size_t n = std::min(text.size(), static_cast<size_t>(count));
    return text.substr(text.size() - n);
}

Text PadLeft(const Text& text, int n) {
    if (n <= 0) return Text();
    size_t width = static_cast<size_t>(n);
    if (text.size() >= width) return text.substr(text.size() - width);
    return Text(width - text.size(), ' ') + text;
}

Text PadRight(const Text& text, int n) {
    if (n <= 0) return Text();
    size_t width = static_cast<size_t>(n);
    if (text.size() >= width) return text.substr(0, width);
    return text + Text(width - text.size(), ' ');
}

Text ReplaceText(const Text& text, const Text& find, const Text& with) {
    if (find.empty()) return text;
    Text out;
    size_t from = 0, at;
    while ((at = text.find(find, from)) != Text::npos) {
        out.append(text, from, at - from);
        out += with;
        from = at + find.size();
    }
    out.append(text, from, Text::npos);
    return out;
}

Text TrimText(const Text& text) {
    size_t first = 0, last = text.size();
    while (first < last && CharCode(text, first) <= 32) ++first;
    while (last > first && CharCode(text, last - 1) <= 32) --last;
    return text.substr(first, last - first);
}

Text LowerText(const Text& text) {
    Text out = text;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

Text UpperText(const Text& text) {
    Text out = text;
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

} // namespace wispwood
