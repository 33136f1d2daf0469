// libFuzzer target: the WAV and Ogg Vorbis decoders.
#include "tests/support/sound_fuzz.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!wispwood::test::FuzzSoundFile(data, size)) std::abort();
    return 0;
}
