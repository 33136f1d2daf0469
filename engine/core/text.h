#pragma once
// Text is a byte string: every file is read and written one byte per
// character, so a character's code is its byte value 0-255. Index with
// CharCode() to get that code without sign extension.
#include <string>
#include <vector>

namespace wispwood {

using Text = std::string;
using TextArray = std::vector<Text>;

inline int CharCode(const Text& text, size_t index) {
    return static_cast<unsigned char>(text[index]);
}

inline Text CharText(int code) {
    return Text(1, static_cast<char>(code & 255));
}

} // namespace wispwood
