#include "engine/audio/sample_loaders.h"
#include "engine/core/runtime_error.h"
#include "engine/io/little_endian.h"
#include <climits>
#include <cstring>

namespace wispwood {
namespace {

// Bytes left in the stream, or -1 when the stream cannot tell.
int64_t Remaining(TStream& stream) {
    int64_t pos = stream.Pos();
    if (pos < 0) return -1;
    return stream.Size() - pos;
}

// Seeks where the stream can, reads past otherwise; either way a stream that
// ends first raises StreamReadError.
void Skip(TStream& stream, int64_t count) {
    int64_t left = Remaining(stream);
    if (left < 0) return stream.SkipBytes(count);
    int64_t target = stream.Pos() + count;
    if (count > left || stream.Seek(target) != target) throw StreamReadError();
}

// The file's sample, or null when it is not one this loader plays; a file
// cut short raises StreamReadError.
Ref<TAudioSample> ReadWav(TStream& stream) {
    uint8_t header[12];
    stream.ReadBytes(header, 12);
    if (std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "WAVE", 4) != 0) return nullptr;

    int format = 0;
    int hertz = 0;
    for (;;) {
        uint8_t chunk[8];
        stream.ReadBytes(chunk, 8);
        uint32_t size = LittleEndian32(chunk + 4);
        // RIFF keeps chunks on even offsets: an odd-sized chunk is followed
        // by one pad byte.
        int64_t padded = int64_t(size) + (size & 1);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (size < 16) return nullptr;
            uint8_t fmt[16];
            stream.ReadBytes(fmt, 16);
            int tag = LittleEndian16(fmt);
            int channels = LittleEndian16(fmt + 2);
            uint32_t rate = LittleEndian32(fmt + 4);
            int bits = LittleEndian16(fmt + 14);
            if (tag != 1 || rate == 0 || rate > INT_MAX) return nullptr;
            format = SampleFormatOf(channels, bits);
            if (format == 0) return nullptr;
            hertz = static_cast<int>(rate);
            Skip(stream, padded - 16);
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (format == 0) return nullptr;
            int64_t left = Remaining(stream);
            if (left >= 0 && size > left) return nullptr;
            int64_t frames = size / BytesPerFrame(format);
            if (frames > INT_MAX) return nullptr;
            auto sample = TAudioSample::Create(static_cast<int>(frames), hertz, format);
            if (!sample) return nullptr;
            stream.ReadBytes(sample->samples, sample->capacity);
            return sample;
        } else {
            Skip(stream, padded);
        }
    }
}

} // namespace

Ref<TAudioSample> LoadWavSample(TStream& stream) {
    try {
        return ReadWav(stream);
    } catch (const StreamReadError&) {
        return nullptr;
    }
}

} // namespace wispwood
