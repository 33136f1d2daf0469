#pragma once
// TAudioSample: decoded PCM in memory, the form every sound loader produces
// and every output back end consumes. Frames are interleaved left, right;
// 8-bit samples are unsigned, 16-bit samples signed little-endian.
#include "engine/core/ref.h"
#include <cstdint>
#include <vector>

namespace wispwood {

constexpr int SampleFormatMono8 = 1;
constexpr int SampleFormatMono16 = 2;
constexpr int SampleFormatStereo8 = 4;
constexpr int SampleFormatStereo16 = 5;

// Bytes of one sample frame in the format, 0 for a format that is not one
// of the four above.
int BytesPerFrame(int format);
// 1 or 2, 0 for an unknown format.
int ChannelsOfFormat(int format);
// The format with the given channel count (1, 2) and bits (8, 16), or 0.
int SampleFormatOf(int channels, int bits);

class TAudioSample {
  public:
    uint8_t* samples = nullptr;
    int length = 0; // sample frames
    int hertz = 0;
    int format = 0;
    int capacity = 0; // bytes owned, -1 when the memory belongs to someone else

    // A zero-filled sample owning its memory; null for an unknown format, a
    // negative length or more bytes than an int can count.
    static Ref<TAudioSample> Create(int length, int hertz, int format);
    // A sample over memory the caller keeps alive for the sample's life.
    static Ref<TAudioSample> CreateStatic(uint8_t* samples, int length, int hertz, int format);

    TAudioSample() = default;
    TAudioSample(const TAudioSample&) = delete;
    TAudioSample& operator=(const TAudioSample&) = delete;

    int FrameBytes() const { return BytesPerFrame(format); }
    int Channels() const { return ChannelsOfFormat(format); }
    // Signed 16-bit value of one channel of one frame (8-bit samples are
    // widened); channel 1 of a mono sample reads channel 0.
    int16_t Sample16(int frame, int channel) const;

  private:
    std::vector<uint8_t> storage_;
};

} // namespace wispwood
