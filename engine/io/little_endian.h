#pragma once
// Multi-byte numbers stored low byte first, read straight from a file's
// bytes (the picture and sound headers).
#include <cstdint>

namespace wispwood {

inline uint16_t LittleEndian16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

inline uint32_t LittleEndian32(const uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
}

} // namespace wispwood
