#include "engine/audio/ogg_stream.h"
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vorbis/vorbisfile.h>

namespace wispwood {

// The recording's bytes as the decoder reads them. Not in the anonymous
// namespace: the decoder's own state, declared in the header, holds one.
struct OggBytesCursor {
    std::shared_ptr<const std::string> bytes;
    size_t pos = 0;
};

namespace {

size_t ReadBytes(void* buffer, size_t size, size_t count, void* source) {
    auto* s = static_cast<OggBytesCursor*>(source);
    if (size == 0) return 0;
    size_t left = s->bytes->size() - s->pos;
    size_t n = std::min(left / size, count);
    std::memcpy(buffer, s->bytes->data() + s->pos, n * size);
    s->pos += n * size;
    return n;
}

int SeekBytes(void* source, ogg_int64_t offset, int whence) {
    auto* s = static_cast<OggBytesCursor*>(source);
    ogg_int64_t base = whence == SEEK_SET   ? 0
                       : whence == SEEK_CUR ? static_cast<ogg_int64_t>(s->pos)
                       : whence == SEEK_END ? static_cast<ogg_int64_t>(s->bytes->size())
                                            : -1;
    if (base < 0 || base + offset < 0 || base + offset > static_cast<ogg_int64_t>(s->bytes->size())) return -1;
    s->pos = static_cast<size_t>(base + offset);
    return 0;
}

long TellBytes(void* source) {
    return static_cast<long>(static_cast<OggBytesCursor*>(source)->pos);
}

} // namespace

Ref<const TOggRecording> TOggRecording::Load(TStream& stream) {
    int64_t start = stream.Pos(), size = stream.Size();
    if (start < 0 || size <= start) return nullptr;
    auto bytes = std::make_shared<std::string>(static_cast<size_t>(size - start), '\0');
    if (stream.Read(bytes->data(), size - start) != size - start) return nullptr;
    TOggFacts facts;
    if (stream.Seek(start) != start || !ProbeOggFile(stream, &facts)) return nullptr;
    auto recording = New<TOggRecording>();
    recording->bytes = std::move(bytes);
    recording->channels = facts.channels;
    recording->hertz = facts.hertz;
    recording->frames = facts.frames;
    return recording;
}

struct TOggDecoder::File {
    OggBytesCursor source;
    OggVorbis_File vorbis;
    bool open = false;
    ~File() {
        if (open) ov_clear(&vorbis);
    }
};

TOggDecoder::TOggDecoder(Ref<const TOggRecording> recording)
    : recording_(std::move(recording)), file_(std::make_unique<File>()) {
    file_->source.bytes = recording_->bytes;
    ov_callbacks callbacks{ReadBytes, SeekBytes, nullptr, TellBytes};
    file_->open = ov_open_callbacks(&file_->source, &file_->vorbis, nullptr, 0, callbacks) == 0;
}

TOggDecoder::~TOggDecoder() = default;

void TOggDecoder::Restart(uint32_t frame) {
    first_ = decoded_ = frame;
    frames_ = 0;
    buffer_.clear();
    if (file_->open && ov_pcm_seek(&file_->vorbis, frame) != 0) {
        // Nothing more can be read from here on; the rest plays silent.
        ov_clear(&file_->vorbis);
        file_->open = false;
    }
}

void TOggDecoder::PadTo(uint64_t frame) {
    if (frame <= decoded_) return;
    buffer_.resize(buffer_.size() + static_cast<size_t>(frame - decoded_) * recording_->channels, 0);
    frames_ += static_cast<uint32_t>(frame - decoded_);
    decoded_ = frame;
}

bool TOggDecoder::Decode(uint32_t wanted, bool loop) {
    const uint64_t length = static_cast<uint64_t>(recording_->frames);
    const int channels = recording_->channels;
    char chunk[8192];
    while (frames_ < wanted) {
        if (!loop && decoded_ >= length) return false;
        uint64_t seamEnd = (decoded_ / length + 1) * length; // the end of this time round
        long n = file_->open ? ov_read(&file_->vorbis, chunk, sizeof chunk, 0, 2, 1, nullptr) : 0;
        if (n == OV_HOLE) continue;
        if (n <= 0) {
            // The file's end, or audio it cannot give: silence up to where
            // the recording should have ended, then round again or stop.
            PadTo(seamEnd);
            if (!loop) return false;
            if (file_->open && ov_pcm_seek(&file_->vorbis, 0) != 0) {
                ov_clear(&file_->vorbis);
                file_->open = false;
            }
            continue;
        }
        uint64_t got = static_cast<uint64_t>(n) / (2 * channels);
        // A file longer than it said is cut at its stated length.
        got = std::min(got, seamEnd - decoded_);
        size_t at = buffer_.size();
        buffer_.resize(at + got * channels);
        std::memcpy(buffer_.data() + at, chunk, got * channels * 2);
        frames_ += static_cast<uint32_t>(got);
        decoded_ += got;
        if (decoded_ == seamEnd && loop && file_->open && ov_pcm_seek(&file_->vorbis, 0) != 0) {
            ov_clear(&file_->vorbis);
            file_->open = false;
        }
        if (decoded_ == seamEnd && !loop) return false;
    }
    return true;
}

const int16_t* TOggDecoder::Window(uint32_t first, uint32_t count, bool loop, uint32_t* got) {
    const uint64_t length = static_cast<uint64_t>(recording_->frames);
    *got = 0;
    if (length == 0 || first >= length) return nullptr;
    // The frame as the buffer numbers it: a loop that went round numbers
    // its second time from the length on.
    uint64_t wanted = first;
    while (loop && wanted < first_ && wanted + length <= first_ + frames_) wanted += length;
    if (wanted >= first_ && wanted <= first_ + frames_) {
        size_t drop = static_cast<size_t>(wanted - first_) * recording_->channels;
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(drop));
        frames_ -= static_cast<uint32_t>(wanted - first_);
    } else {
        Restart(first);
        wanted = first;
    }
    first_ = wanted;
    // Keep the numbers small: one time round is as good as another.
    if (first_ >= length) {
        uint64_t rounds = first_ / length * length;
        first_ -= rounds;
        decoded_ -= rounds;
    }
    if (frames_ < count) Decode(count, loop);
    *got = std::min(frames_, count);
    return buffer_.data();
}

} // namespace wispwood
