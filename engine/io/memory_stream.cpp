#include "engine/io/memory_stream.h"
#include <algorithm>
#include <cstring>

namespace wispwood {

int64_t TMemoryStream::Seek(int64_t pos) {
    pos_ = std::clamp<int64_t>(pos, 0, Size());
    return pos_;
}

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
    int64_t n = std::clamp<int64_t>(Size() - pos_, 0, std::max<int64_t>(count, 0));
    if (n > 0) std::memcpy(buffer, bytes_.data() + pos_, static_cast<size_t>(n));
    pos_ += n;
    return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
    if (count <= 0) return 0;
    size_t end = static_cast<size_t>(pos_ + count);
    if (end > bytes_.size()) bytes_.resize(end);
    std::memcpy(bytes_.data() + pos_, buffer, static_cast<size_t>(count));
    pos_ += count;
    return count;
}

} // namespace wispwood
