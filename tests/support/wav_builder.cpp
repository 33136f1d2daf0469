#include "tests/support/wav_builder.h"
#include "tests/support/byte_builder.h"

namespace wispwood::test {

Text RiffChunk(const char* id, const Text& body) {
    Text out(id, 4);
    Put32(out, uint32_t(body.size()));
    out += body;
    if (body.size() & 1) out += '\0';
    return out;
}

Text MakeWav(const WavFormat& wavFormat, const Text& data) {
    Text fmt;
    Put16(fmt, wavFormat.tag);
    Put16(fmt, wavFormat.channels);
    Put32(fmt, uint32_t(wavFormat.hertz));
    int block = wavFormat.channels * wavFormat.bits / 8;
    Put32(fmt, uint32_t(wavFormat.hertz * block));
    Put16(fmt, block);
    Put16(fmt, wavFormat.bits);
    fmt += wavFormat.extraFormatBytes;
    Text body = "WAVE" + wavFormat.chunksBeforeFormat + RiffChunk("fmt ", fmt) + wavFormat.chunksBeforeData +
                RiffChunk("data", data);
    Text out = "RIFF";
    Put32(out, uint32_t(body.size()));
    return out + body;
}

Text Pcm16(const std::vector<int16_t>& values) {
    Text out;
    for (int16_t v : values) Put16(out, v);
    return out;
}

} // namespace wispwood::test
