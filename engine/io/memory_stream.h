#pragma once
// A stream over bytes held in memory: loaders can be fed from a buffer
// (tests, fuzzers) exactly as from a file.
#include "engine/io/stream.h"

namespace wispwood {

class TMemoryStream : public TStream {
  public:
    TMemoryStream() = default;
    explicit TMemoryStream(Text bytes) : bytes_(std::move(bytes)) {}

    int64_t Pos() override { return pos_; }
    int64_t Size() override { return static_cast<int64_t>(bytes_.size()); }
    int64_t Seek(int64_t pos) override;
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;

    const Text& Bytes() const { return bytes_; }

  private:
    Text bytes_;
    int64_t pos_ = 0;
};

} // namespace wispwood
