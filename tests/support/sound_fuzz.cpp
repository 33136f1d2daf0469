#include "tests/support/sound_fuzz.h"
#include "engine/audio/sample_loaders.h"
#include "engine/io/memory_stream.h"

namespace wispwood::test {

bool FuzzSoundFile(const uint8_t* data, size_t size) {
    auto stream = New<TMemoryStream>(Text(reinterpret_cast<const char*>(data), size));
    Ref<TAudioSample> sample = LoadAudioSample(stream);
    if (!sample) return true;
    int frameBytes = BytesPerFrame(sample->format);
    if (frameBytes == 0 || sample->hertz <= 0 || sample->length < 0) return false;
    if (int64_t(sample->length) * frameBytes > sample->capacity) return false;
    // Touch every byte so a sanitizer sees any that is not there.
    volatile uint8_t sink = 0;
    for (int i = 0; i < sample->capacity; ++i) sink = sink ^ sample->samples[i];
    return true;
}

} // namespace wispwood::test
