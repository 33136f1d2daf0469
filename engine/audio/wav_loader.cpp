#include "engine/audio/sample_loaders.h"
#include <climits>
#include <cstring>

namespace wispwood {
namespace {

uint32_t Le32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24);
}
uint16_t Le16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

bool ReadExact(TStream& stream, void* buffer, int64_t count) {
    auto* bytes = static_cast<uint8_t*>(buffer);
    while (count > 0) {
        int64_t n = stream.Read(bytes, count);
        if (n <= 0) return false;
        bytes += n;
        count -= n;
    }
    return true;
}

// Bytes left in the stream, or -1 when the stream cannot tell.
int64_t Remaining(TStream& stream) {
    int64_t pos = stream.Pos();
    if (pos < 0) return -1;
    return stream.Size() - pos;
}

bool Skip(TStream& stream, int64_t count) {
    int64_t left = Remaining(stream);
    if (left >= 0) {
        if (count > left) return false;
        int64_t target = stream.Pos() + count;
        return stream.Seek(target) == target;
    }
    uint8_t scratch[4096];
    while (count > 0) {
        int64_t n = count < int64_t(sizeof scratch) ? count : int64_t(sizeof scratch);
        if (!ReadExact(stream, scratch, n)) return false;
        count -= n;
    }
    return true;
}

} // namespace

Ref<TAudioSample> LoadWavSample(TStream& stream) {
    uint8_t header[12];
    if (!ReadExact(stream, header, 12)) return nullptr;
    if (std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "WAVE", 4) != 0) return nullptr;

    int format = 0;
    int hertz = 0;
    for (;;) {
        uint8_t chunk[8];
        if (!ReadExact(stream, chunk, 8)) return nullptr;
        uint32_t size = Le32(chunk + 4);
        // RIFF keeps chunks on even offsets: an odd-sized chunk is followed
        // by one pad byte.
        int64_t padded = int64_t(size) + (size & 1);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            uint8_t fmt[16];
            if (size < 16 || !ReadExact(stream, fmt, 16)) return nullptr;
            int tag = Le16(fmt);
            int channels = Le16(fmt + 2);
            uint32_t rate = Le32(fmt + 4);
            int bits = Le16(fmt + 14);
            if (tag != 1 || rate == 0 || rate > INT_MAX) return nullptr;
            format = SampleFormatOf(channels, bits);
            if (format == 0) return nullptr;
            hertz = static_cast<int>(rate);
            if (!Skip(stream, padded - 16)) return nullptr;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (format == 0) return nullptr;
            int64_t left = Remaining(stream);
            if (left >= 0 && size > left) return nullptr;
            int64_t frames = size / BytesPerFrame(format);
            if (frames > INT_MAX) return nullptr;
            auto sample = TAudioSample::Create(static_cast<int>(frames), hertz, format);
            if (!sample || !ReadExact(stream, sample->samples, sample->capacity)) return nullptr;
            return sample;
        } else if (!Skip(stream, padded)) {
            return nullptr;
        }
    }
}

} // namespace wispwood
