#include "engine/audio/sample_loaders.h"
#include <climits>
#include <cstdio>
#include <ogg/ogg.h>
#include <vorbis/vorbisfile.h>

namespace wispwood {
namespace {

// The decoder sees the stream from the position it was handed over at, so a
// file embedded in a larger stream decodes like a file of its own.
struct StreamSource {
    TStream* stream;
    int64_t base;
};

size_t ReadCallback(void* buffer, size_t size, size_t count, void* source) {
    auto* s = static_cast<StreamSource*>(source);
    if (size == 0) return 0;
    int64_t n = s->stream->Read(buffer, static_cast<int64_t>(size * count));
    return n > 0 ? static_cast<size_t>(n) / size : 0;
}

int SeekCallback(void* source, ogg_int64_t offset, int whence) {
    auto* s = static_cast<StreamSource*>(source);
    int64_t target;
    switch (whence) {
    case SEEK_SET:
        target = s->base + offset;
        break;
    case SEEK_CUR:
        target = s->stream->Pos() + offset;
        break;
    case SEEK_END:
        target = s->stream->Size() + offset;
        break;
    default:
        return -1;
    }
    if (target < s->base || target > s->stream->Size()) return -1;
    return s->stream->Seek(target) == target ? 0 : -1;
}

long TellCallback(void* source) {
    auto* s = static_cast<StreamSource*>(source);
    int64_t pos = s->stream->Pos();
    return pos < 0 ? -1 : static_cast<long>(pos - s->base);
}

// A complete Ogg stream ends with a page flagged end-of-stream; a file cut
// short anywhere after its headers decodes cleanly up to the cut, so the
// last whole page is what tells it from a complete one. Bytes after that
// page that never form a page (a cut page, trailing junk) do not count.
// With gaps, it also tells whether bytes were skipped between whole pages
// (a page whose checksum failed), which only decoding would notice.
bool EndsWithEndOfStreamPage(StreamSource& source, bool* gaps = nullptr) {
    if (source.stream->Seek(source.base) != source.base) return false;
    ogg_sync_state sync;
    ogg_sync_init(&sync);
    bool lastWasEnd = false, skipped = false;
    if (gaps) *gaps = false;
    for (;;) {
        ogg_page page;
        int got = ogg_sync_pageout(&sync, &page);
        if (got == 1) {
            lastWasEnd = ogg_page_eos(&page) != 0;
            if (skipped && gaps) *gaps = true;
            skipped = false;
            continue;
        }
        if (got < 0) {
            skipped = true;
            continue;
        }
        char* buffer = ogg_sync_buffer(&sync, 65536);
        int64_t n = buffer ? source.stream->Read(buffer, 65536) : 0;
        if (n <= 0) break;
        ogg_sync_wrote(&sync, static_cast<long>(n));
    }
    ogg_sync_clear(&sync);
    return lastWasEnd;
}

} // namespace

Ref<TAudioSample> LoadOggSample(TStream& stream) {
    StreamSource source{&stream, stream.Pos()};
    if (source.base < 0) return nullptr;
    ov_callbacks callbacks{ReadCallback, SeekCallback, nullptr, TellCallback};
    OggVorbis_File file;
    if (ov_open_callbacks(&source, &file, nullptr, 0, callbacks) != 0) return nullptr;

    Ref<TAudioSample> result;
    vorbis_info* info = ov_info(&file, -1);
    if (info && (info->channels == 1 || info->channels == 2) && info->rate > 0 && info->rate <= INT_MAX) {
        const int channels = info->channels;
        const long rate = info->rate;
        const int frameBytes = 2 * channels;
        std::vector<uint8_t> pcm;
        ogg_int64_t expected = ov_pcm_total(&file, -1);
        if (expected > 0 && expected < INT_MAX / frameBytes)
            pcm.reserve(static_cast<size_t>(expected) * frameBytes);
        bool failed = false;
        char buffer[16384];
        for (;;) {
            int link = 0;
            long n = ov_read(&file, buffer, sizeof buffer, 0, 2, 1, &link);
            if (n == 0) break;
            vorbis_info* now = ov_info(&file, link);
            if (n < 0 || !now || now->channels != channels || now->rate != rate ||
                pcm.size() + n > size_t(INT_MAX)) {
                failed = true;
                break;
            }
            pcm.insert(pcm.end(), buffer, buffer + n);
        }
        if (!failed && EndsWithEndOfStreamPage(source)) {
            int frames = static_cast<int>(pcm.size() / frameBytes);
            result = TAudioSample::Create(frames, static_cast<int>(rate),
                                          channels == 1 ? SampleFormatMono16 : SampleFormatStereo16);
            if (result && frames > 0)
                std::copy(pcm.begin(), pcm.begin() + frames * frameBytes, result->samples);
        }
    }
    ov_clear(&file);
    return result;
}

bool ProbeOggFile(TStream& stream, TOggFacts* facts) {
    StreamSource source{&stream, stream.Pos()};
    if (source.base < 0) return false;
    ov_callbacks callbacks{ReadCallback, SeekCallback, nullptr, TellCallback};
    OggVorbis_File file;
    if (ov_open_callbacks(&source, &file, nullptr, 0, callbacks) != 0) return false;
    vorbis_info* first = ov_info(&file, 0);
    bool sound = first && (first->channels == 1 || first->channels == 2) && first->rate > 0 &&
                 first->rate <= INT_MAX && ov_seekable(&file);
    for (long link = 1; sound && link < ov_streams(&file); ++link) {
        vorbis_info* next = ov_info(&file, static_cast<int>(link));
        sound = next && next->channels == first->channels && next->rate == first->rate;
    }
    ogg_int64_t frames = sound ? ov_pcm_total(&file, -1) : -1;
    sound = sound && frames > 0 && frames < INT_MAX / (2 * first->channels);
    if (sound) {
        facts->channels = first->channels;
        facts->hertz = static_cast<int>(first->rate);
        facts->frames = static_cast<int>(frames);
    }
    ov_clear(&file);
    bool gaps = false;
    return sound && EndsWithEndOfStreamPage(source, &gaps) && !gaps;
}

} // namespace wispwood
