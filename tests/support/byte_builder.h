#pragma once
// Little-endian numbers appended to file bytes being built in memory.
#include "engine/core/text.h"
#include <cstdint>

namespace wispwood::test {

inline void Put16(Text& out, uint32_t v) {
    out += static_cast<char>(v & 255);
    out += static_cast<char>((v >> 8) & 255);
}

inline void Put32(Text& out, uint32_t v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

} // namespace wispwood::test
