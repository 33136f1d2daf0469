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

void TStream::ReadOrdered(void* value, int size) {
    ReadBytes(value, size);
    if (SwapsByteOrder())
        std::reverse(static_cast<unsigned char*>(value), static_cast<unsigned char*>(value) + size);
}

void TStream::WriteOrdered(const void* value, int size) {
    unsigned char bytes[8];
    std::memcpy(bytes, value, size);
    if (SwapsByteOrder()) std::reverse(bytes, bytes + size);
    WriteBytes(bytes, size);
}

// The in-memory layout of the numbers is that of the host; the build only
// targets little-endian machines, which the byte-order wrappers rely on.
static_assert(std::endian::native == std::endian::little, "little-endian host expected");

int TStream::ReadByte() {
    uint8_t v;
    ReadBytes(&v, 1);
    return v;
}

void TStream::WriteByte(int value) {
    uint8_t v = static_cast<uint8_t>(value);
    WriteBytes(&v, 1);
}

int TStream::ReadShort() {
    uint16_t v;
    ReadOrdered(&v, 2);
    return v;
}

void TStream::WriteShort(int value) {
    uint16_t v = static_cast<uint16_t>(value);
    WriteOrdered(&v, 2);
}

int32_t TStream::ReadInt() {
    int32_t v;
    ReadOrdered(&v, 4);
    return v;
}

void TStream::WriteInt(int32_t value) {
    WriteOrdered(&value, 4);
}

int64_t TStream::ReadLong() {
    int64_t v;
    ReadOrdered(&v, 8);
    return v;
}

void TStream::WriteLong(int64_t value) {
    WriteOrdered(&value, 8);
}

float TStream::ReadFloat() {
    float v;
    ReadOrdered(&v, 4);
    return v;
}

void TStream::WriteFloat(float value) {
    WriteOrdered(&value, 4);
}

double TStream::ReadDouble() {
    double v;
    ReadOrdered(&v, 8);
    return v;
}

void TStream::WriteDouble(double value) {
    WriteOrdered(&value, 8);
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
void CloseStream(const Ref<TStream>& stream) {
    if (stream) stream->Close();
}

} // namespace wispwood
