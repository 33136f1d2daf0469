#pragma once
// Builds RIFF WAVE files in memory for the decoder and mixer tests.
#include "engine/core/text.h"
#include <cstdint>
#include <vector>

namespace wispwood::test {

struct WavFormat {
    int tag = 1;
    int channels = 1;
    int bits = 16;
    int hertz = 22050;
    Text extraFormatBytes;   // appended to the 16 standard "fmt " bytes
    Text chunksBeforeFormat; // complete chunks, written as given
    Text chunksBeforeData;
};

// One chunk: id, 32-bit size, body and the pad byte of an odd size.
Text RiffChunk(const char* id, const Text& body);
Text MakeWav(const WavFormat& wavFormat, const Text& data);
// Interleaved signed 16-bit values as little-endian bytes.
Text Pcm16(const std::vector<int16_t>& values);

} // namespace wispwood::test
