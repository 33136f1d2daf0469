#include "engine/audio/audio_sample.h"
#include <climits>
#include <cstring>

namespace wispwood {

int BytesPerFrame(int format) {
    switch (format) {
    case SampleFormatMono8:
        return 1;
    case SampleFormatMono16:
        return 2;
    case SampleFormatStereo8:
        return 2;
    case SampleFormatStereo16:
        return 4;
    default:
        return 0;
    }
}

int ChannelsOfFormat(int format) {
    switch (format) {
    case SampleFormatMono8:
    case SampleFormatMono16:
        return 1;
    case SampleFormatStereo8:
    case SampleFormatStereo16:
        return 2;
    default:
        return 0;
    }
}

int SampleFormatOf(int channels, int bits) {
    if (channels == 1 && bits == 8) return SampleFormatMono8;
    if (channels == 1 && bits == 16) return SampleFormatMono16;
    if (channels == 2 && bits == 8) return SampleFormatStereo8;
    if (channels == 2 && bits == 16) return SampleFormatStereo16;
    return 0;
}

Ref<TAudioSample> TAudioSample::Create(int length, int hertz, int format) {
    int frameBytes = BytesPerFrame(format);
    if (frameBytes == 0 || length < 0 || length > INT_MAX / frameBytes) return nullptr;
    auto sample = New<TAudioSample>();
    sample->storage_.assign(static_cast<size_t>(length) * frameBytes, 0);
    sample->samples = sample->storage_.data();
    sample->length = length;
    sample->hertz = hertz;
    sample->format = format;
    sample->capacity = length * frameBytes;
    return sample;
}

Ref<TAudioSample> TAudioSample::CreateStatic(uint8_t* samples, int length, int hertz, int format) {
    if (BytesPerFrame(format) == 0 || length < 0) return nullptr;
    auto sample = New<TAudioSample>();
    sample->samples = samples;
    sample->length = length;
    sample->hertz = hertz;
    sample->format = format;
    sample->capacity = -1;
    return sample;
}

int16_t TAudioSample::Sample16(int frame, int channel) const {
    int channels = Channels();
    if (channel >= channels) channel = channels - 1;
    const uint8_t* at = samples + static_cast<size_t>(frame) * FrameBytes();
    if (format == SampleFormatMono8 || format == SampleFormatStereo8) {
        return static_cast<int16_t>((at[channel] - 128) << 8);
    }
    int16_t value;
    std::memcpy(&value, at + channel * 2, 2);
    return value;
}

} // namespace wispwood
