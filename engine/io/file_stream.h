#pragma once
// File streams. Writing never destroys what was there: the bytes go to a
// temporary file in the same folder that replaces the old file only when the
// stream is closed with every byte written. A stream dropped while an
// exception unwinds (a failed exact write) is discarded, not committed.
#include "engine/io/stream.h"
#include <cstdio>

namespace wispwood {

class TCStream : public TStream {
  public:
    static Ref<TCStream> OpenRead(const Text& path);
    static Ref<TCStream> OpenWrite(const Text& path);
    ~TCStream() override;

    int64_t Pos() override;
    int64_t Size() override;
    int64_t Seek(int64_t pos) override;
    int Flush() override;
    int Close() override;
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;

    TCStream(FILE* file, Text tempPath, Text finalPath);

  private:
    void Discard();

    FILE* file_ = nullptr;
    Text tempPath_;  // writing only: where the bytes go until Close
    Text finalPath_; // writing only: what Close replaces
    bool failed_ = false;
};

// Opens a file for reading, or null. A path may start with "littleendian::"
// or "bigendian::" to choose the byte order of multi-byte numbers.
Ref<TStream> ReadFile(const Text& path);
// Creates or truncates a file for writing (see TCStream), or null.
Ref<TStream> WriteFile(const Text& path);

// The whole file as bytes; false when it cannot be read.
bool LoadText(const Text& path, Text& bytes);
// Writes the bytes atomically; 1 on success. A folder on the way that is
// missing is made first.
int SaveText(const Text& path, const Text& bytes);
// Why the last write that failed did, for the player ("cannot create a file
// there: Permission denied").
const Text& LastWriteError();
// Flushes the folder holding the path, so a rename in it survives a crash.
void SyncFolderOf(const Text& path);
// Deletes the temporary files that writes of this path left behind when the
// process was killed before it could rename them.
void RemoveStaleTemporaries(const Text& path);

} // namespace wispwood
