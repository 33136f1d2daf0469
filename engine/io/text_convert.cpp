#include "engine/io/text_convert.h"
#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace wispwood {

namespace {

int DigitValue(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

// Unsigned arithmetic wraps by definition, which keeps overlong numbers
// deterministic instead of undefined.
uint64_t ParseUnsigned(const Text& text, bool& negative) {
    size_t i = 0, n = text.size();
    while (i < n && CharCode(text, i) <= 32) ++i;
    negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == '%') {
        base = 2;
        ++i;
    } else if (i < n && text[i] == '$') {
        base = 16;
        ++i;
    }
    uint64_t value = 0;
    for (; i < n; ++i) {
        int digit = DigitValue(CharCode(text, i));
        if (digit >= base) break;
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    }
    return value;
}

} // namespace

int TextToInt(const Text& text) {
    bool negative;
    uint32_t value = static_cast<uint32_t>(ParseUnsigned(text, negative));
    if (negative) value = 0u - value;
    return static_cast<int32_t>(value);
}

int64_t TextToLong(const Text& text) {
    bool negative;
    uint64_t value = ParseUnsigned(text, negative);
    if (negative) value = 0u - value;
    return static_cast<int64_t>(value);
}

float TextToFloat(const Text& text) {
    return static_cast<float>(std::atof(text.c_str()));
}

double TextToDouble(const Text& text) {
    return std::atof(text.c_str());
}

bool TakeWholeNumber(std::string_view& text, int& value) {
    int read = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read);
    if (error != std::errc() || end == text.data()) return false;
    value = read;
    text.remove_prefix(static_cast<size_t>(end - text.data()));
    return true;
}

Text IntToText(int64_t value) {
    return std::to_string(value);
}

// The float's shortest decimal form (0.8f is "0.8", not 0.800000011920...)
// is what gets the nine significant digits, so 0.8 is written 0.800000000
// and still reads back as the same float.
Text FloatToText(float value) {
    char shortest[64];
    auto result = std::to_chars(shortest, shortest + sizeof shortest - 1, value);
    *result.ptr = '\0';
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%#.9g", std::strtod(shortest, nullptr));
    return buffer;
}

Text DoubleToText(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%#.17g", value);
    return buffer;
}

} // namespace wispwood
