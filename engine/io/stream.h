#pragma once
// TStream: the byte-stream interface every loader reads through. Multi-byte
// numbers are little-endian unless a byte-order wrapper says otherwise. Text
// maps one byte to one character code (0-255) both ways.
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include <cstdint>

namespace wispwood {

class TStream {
  public:
    virtual ~TStream() = default;

    virtual int Eof();
    virtual int64_t Pos();
    virtual int64_t Size();
    virtual int64_t Seek(int64_t pos);
    virtual int Flush();
    // 1 when everything written reached its destination, 0 otherwise.
    virtual int Close();
    // Raw transfers: the number of bytes actually moved.
    virtual int64_t Read(void* buffer, int64_t count);
    virtual int64_t Write(const void* buffer, int64_t count);

    // Exact transfers: raise StreamReadError / StreamWriteError when short.
    void ReadBytes(void* buffer, int64_t count);
    void WriteBytes(const void* buffer, int64_t count);
    void SkipBytes(int64_t count);

    int ReadByte();
    void WriteByte(int value);
    int ReadShort();
    void WriteShort(int value);
    int32_t ReadInt();
    void WriteInt(int32_t value);
    int64_t ReadLong();
    void WriteLong(int64_t value);
    float ReadFloat();
    void WriteFloat(float value);
    double ReadDouble();
    void WriteDouble(double value);

    // Bytes up to a line feed or a zero byte; carriage returns are dropped.
    Text ReadLine();
    // The text's bytes, then carriage return and line feed.
    void WriteLine(const Text& text);
    Text ReadString(int count);
    void WriteString(const Text& text);

  protected:
    // Wrappers that store numbers big-endian override this.
    virtual bool SwapsByteOrder() const { return false; }

  private:
    // A number of type T in the stream's byte order.
    template <class T>
    T ReadOrdered();
    template <class T>
    void WriteOrdered(T value);
};

int Eof(const Ref<TStream>& stream);
int64_t StreamPos(const Ref<TStream>& stream);
int64_t SeekStream(const Ref<TStream>& stream, int64_t pos);

// Forwards every call to an inner stream; the base of the byte-order
// wrappers.
class TStreamWrapper : public TStream {
  public:
    explicit TStreamWrapper(Ref<TStream> inner) : inner_(std::move(inner)) {}
    int Eof() override { return inner_->Eof(); }
    int64_t Pos() override { return inner_->Pos(); }
    int64_t Size() override { return inner_->Size(); }
    int64_t Seek(int64_t pos) override { return inner_->Seek(pos); }
    int Flush() override { return inner_->Flush(); }
    int Close() override { return inner_->Close(); }
    int64_t Read(void* buffer, int64_t count) override { return inner_->Read(buffer, count); }
    int64_t Write(const void* buffer, int64_t count) override { return inner_->Write(buffer, count); }

  protected:
    Ref<TStream> inner_;
};

class TLittleEndianStream : public TStreamWrapper {
  public:
    using TStreamWrapper::TStreamWrapper;
};

class TBigEndianStream : public TStreamWrapper {
  public:
    using TStreamWrapper::TStreamWrapper;

  protected:
    bool SwapsByteOrder() const override { return true; }
};

} // namespace wispwood
