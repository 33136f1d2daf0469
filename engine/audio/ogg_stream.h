#pragma once
// Streamed Ogg Vorbis. Music is long: decoded whole, a few tracks hold tens
// of megabytes of samples, most of them never heard in a session. A
// streamed recording keeps the file's compressed bytes instead, and every
// voice playing it decodes only a little way ahead of where it plays.
#include "engine/audio/sample_loaders.h"
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace wispwood {

class TOggRecording {
  public:
    // The rest of the stream, or null when it is not a complete Ogg Vorbis
    // file (ProbeOggFile decides).
    static Ref<const TOggRecording> Load(TStream& stream);

    std::shared_ptr<const std::string> bytes;
    int channels = 0;
    int hertz = 0;
    int frames = 0;
};

// One voice's decoder. Not shared between threads: the mixer calls it under
// its lock.
class TOggDecoder {
  public:
    explicit TOggDecoder(Ref<const TOggRecording> recording);
    ~TOggDecoder();
    TOggDecoder(const TOggDecoder&) = delete;
    TOggDecoder& operator=(const TOggDecoder&) = delete;

    // Interleaved 16-bit frames from frame `first` on: `count` of them, or
    // fewer (*got) where a recording that does not loop ends. A looping one
    // carries on from its start, so the window never breaks at the seam.
    // Audio the file fails to give (a damaged packet) comes out silent, so
    // frame numbers keep to the recording's length.
    const int16_t* Window(uint32_t first, uint32_t count, bool loop, uint32_t* got);

  private:
    bool Decode(uint32_t wanted, bool loop);
    void PadTo(uint64_t frame);
    void Restart(uint32_t frame);

    struct File;
    Ref<const TOggRecording> recording_;
    std::unique_ptr<File> file_;
    std::vector<int16_t> buffer_;
    uint64_t first_ = 0;  // virtual frame of buffer_[0]: past the length once a loop went round
    uint32_t frames_ = 0; // frames in buffer_
    uint64_t decoded_ = 0; // virtual frame the file gives next
};

} // namespace wispwood
