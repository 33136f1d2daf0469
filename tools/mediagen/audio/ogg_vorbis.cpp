#include "tools/mediagen/audio/ogg_vorbis.h"
#include <algorithm>
#include <cstring>
#include <vorbis/codec.h>
#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>

namespace wispwood::mediagen {

namespace {

void AppendPage(std::string& out, const ogg_page& page) {
    out.append(reinterpret_cast<const char*>(page.header), size_t(page.header_len));
    out.append(reinterpret_cast<const char*>(page.body), size_t(page.body_len));
}

struct MemoryReader {
    const std::string* bytes;
    size_t pos = 0;
};

size_t ReadMemory(void* dst, size_t size, size_t count, void* source) {
    auto* reader = static_cast<MemoryReader*>(source);
    size_t want = size * count, left = reader->bytes->size() - reader->pos;
    size_t n = std::min(want, left);
    std::memcpy(dst, reader->bytes->data() + reader->pos, n);
    reader->pos += n;
    return size ? n / size : 0;
}

int SeekMemory(void* source, ogg_int64_t offset, int whence) {
    auto* reader = static_cast<MemoryReader*>(source);
    ogg_int64_t base = whence == SEEK_SET   ? 0
                       : whence == SEEK_CUR ? ogg_int64_t(reader->pos)
                                            : ogg_int64_t(reader->bytes->size());
    ogg_int64_t target = base + offset;
    if (target < 0 || target > ogg_int64_t(reader->bytes->size())) return -1;
    reader->pos = size_t(target);
    return 0;
}

long TellMemory(void* source) {
    return long(static_cast<MemoryReader*>(source)->pos);
}

} // namespace

std::string EncodeOggVorbis(const Pcm& pcm, float quality, uint32_t serial) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, pcm.channels, pcm.rate, quality) != 0) {
        vorbis_info_clear(&info);
        return {};
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "ENCODER", "wispwood mediagen");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, int(serial));

    std::string out;
    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0) AppendPage(out, page);

    const size_t frames = pcm.Frames(), chunk = 4096;
    size_t done = 0;
    bool ended = false;
    while (!ended) {
        size_t n = std::min(chunk, frames - done);
        if (n == 0) {
            vorbis_analysis_wrote(&dsp, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, int(n));
            for (size_t i = 0; i < n; ++i)
                for (int c = 0; c < pcm.channels; ++c) buffer[c][i] = pcm.data[(done + i) * pcm.channels + c];
            vorbis_analysis_wrote(&dsp, int(n));
            done += n;
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    AppendPage(out, page);
                    if (ogg_page_eos(&page)) ended = true;
                }
            }
        }
        if (n == 0 && !ended) {
            while (ogg_stream_flush(&stream, &page) != 0) AppendPage(out, page);
            ended = true;
        }
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

std::optional<Pcm> DecodeOggVorbis(const std::string& bytes) {
    MemoryReader reader{&bytes};
    ov_callbacks callbacks{ReadMemory, SeekMemory, nullptr, TellMemory};
    OggVorbis_File file;
    if (ov_open_callbacks(&reader, &file, nullptr, 0, callbacks) != 0) return std::nullopt;
    vorbis_info* info = ov_info(&file, -1);
    Pcm pcm;
    pcm.rate = int(info->rate);
    pcm.channels = info->channels;
    int section = 0;
    for (;;) {
        float** channels = nullptr;
        long n = ov_read_float(&file, &channels, 4096, &section);
        if (n < 0) {
            ov_clear(&file);
            return std::nullopt;
        }
        if (n == 0) break;
        for (long i = 0; i < n; ++i)
            for (int c = 0; c < pcm.channels; ++c)
                pcm.data.push_back(std::clamp(channels[c][i], -1.0f, 1.0f));
    }
    ov_clear(&file);
    return pcm;
}

} // namespace wispwood::mediagen
