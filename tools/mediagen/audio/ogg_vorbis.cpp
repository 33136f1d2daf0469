#include "tools/mediagen/audio/ogg_vorbis.h"
#include "engine/audio/sample_loaders.h"
#include "engine/io/memory_stream.h"
#include <algorithm>
#include <cstring>
#include <vorbis/codec.h>
#include <vorbis/vorbisenc.h>

namespace wispwood::mediagen {

namespace {

void AppendPage(std::string& out, const ogg_page& page) {
    out.append(reinterpret_cast<const char*>(page.header), size_t(page.header_len));
    out.append(reinterpret_cast<const char*>(page.body), size_t(page.body_len));
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

std::optional<Pcm> DecodeWithGameDecoder(const std::string& bytes) {
    TMemoryStream stream(bytes);
    Ref<TAudioSample> sample = LoadOggSample(stream);
    if (!sample) return std::nullopt;
    return PcmFromSample(*sample);
}

Pcm PcmFromSample(const TAudioSample& sample) {
    Pcm pcm;
    pcm.rate = sample.hertz;
    pcm.channels = sample.Channels();
    pcm.data.reserve(size_t(sample.length) * size_t(pcm.channels));
    for (int frame = 0; frame < sample.length; ++frame)
        for (int c = 0; c < pcm.channels; ++c) pcm.data.push_back(sample.Sample16(frame, c) / 32768.0f);
    return pcm;
}

} // namespace wispwood::mediagen
