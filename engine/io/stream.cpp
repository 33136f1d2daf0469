#include "engine/io/stream.h"
#include "engine/core/runtime_error.h"
#include <algorithm>
#include <bit>
#include <cstring>

namespace wispwood {

int TStream::Eof() {
    return Pos() >= Size() ? 1 : 0;
}
int64_t TStream::Pos() {
    return -1;
}
int64_t TStream::Size() {
    return 0;
}
int64_t TStream::Seek(int64_t) {
    return -1;
}
int TStream::Flush() {
    return 1;
}
int TStream::Close() {
    return 1;
}
int64_t TStream::Read(void*, int64_t) {
    return 0;
}
int64_t TStream::Write(const void*, int64_t) {
    return 0;
}

void TStream::ReadBytes(void* buffer, int64_t count) {
    auto* bytes = static_cast<unsigned char*>(buffer);
    while (count > 0) {
        int64_t n = Read(bytes, count);
        if (n <= 0) throw StreamReadError();
        bytes += n;
        count -= n;
    }
}

void TStream::WriteBytes(const void* buffer, int64_t count) {
    auto* bytes = static_cast<const unsigned char*>(buffer);
    while (count > 0) {
        int64_t n = Write(bytes, count);
        if (n <= 0) throw StreamWriteError();
        bytes += n;
        count -= n;
    }
}

void TStream::SkipBytes(int64_t count) {
    unsigned char scratch[4096];
    while (count > 0) {
        int64_t n = std::min<int64_t>(count, sizeof scratch);
        ReadBytes(scratch, n);
        count -= n;
    }
}

// The in-memory layout of the numbers is that of the host; the build only
// targets little-endian machines, which the byte-order wrappers rely on.
static_assert(std::endian::native == std::endian::little, "little-endian host expected");

template <class T>
T TStream::ReadOrdered() {
    unsigned char bytes[sizeof(T)];
    ReadBytes(bytes, sizeof bytes);
    if (SwapsByteOrder()) std::reverse(bytes, bytes + sizeof bytes);
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

template <class T>
void TStream::WriteOrdered(T value) {
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof bytes);
    if (SwapsByteOrder()) std::reverse(bytes, bytes + sizeof bytes);
    WriteBytes(bytes, sizeof bytes);
}

int TStream::ReadByte() {
    return ReadOrdered<uint8_t>();
}
void TStream::WriteByte(int value) {
    WriteOrdered(static_cast<uint8_t>(value));
}
int TStream::ReadShort() {
    return ReadOrdered<uint16_t>();
}
void TStream::WriteShort(int value) {
    WriteOrdered(static_cast<uint16_t>(value));
}
int32_t TStream::ReadInt() {
    return ReadOrdered<int32_t>();
}
void TStream::WriteInt(int32_t value) {
    WriteOrdered(value);
}
int64_t TStream::ReadLong() {
    return ReadOrdered<int64_t>();
}
void TStream::WriteLong(int64_t value) {
    WriteOrdered(value);
}
float TStream::ReadFloat() {
    return ReadOrdered<float>();
}
void TStream::WriteFloat(float value) {
    WriteOrdered(value);
}
double TStream::ReadDouble() {
    return ReadOrdered<double>();
}
void TStream::WriteDouble(double value) {
    WriteOrdered(value);
}

Text TStream::ReadLine() {
    Text line;
    unsigned char c;
    while (Read(&c, 1) == 1) {
        if (c == '\n' || c == 0) break;
        if (c != '\r') line.push_back(static_cast<char>(c));
    }
    return line;
}

void TStream::WriteLine(const Text& text) {
    WriteString(text);
    WriteBytes("\r\n", 2);
}

Text TStream::ReadString(int count) {
    if (count <= 0) return Text();
    Text text(static_cast<size_t>(count), '\0');
    ReadBytes(text.data(), count);
    return text;
}

void TStream::WriteString(const Text& text) {
    if (!text.empty()) WriteBytes(text.data(), static_cast<int64_t>(text.size()));
}

int Eof(const Ref<TStream>& stream) {
    return stream->Eof();
}
int64_t StreamPos(const Ref<TStream>& stream) {
    return stream->Pos();
}
int64_t SeekStream(const Ref<TStream>& stream, int64_t pos) {
    return stream->Seek(pos);
}

} // namespace wispwood
