// The table's file: a 32-bit little-endian count, then per entry the score,
// the name's length and bytes, and the extra text's length and bytes.
//
// The file may be cut short by a crash during a save made by an older
// version, or damaged on disk, so nothing read from it is trusted: every
// read must be whole, the count must be positive and small enough for the
// bytes that follow, and every length must fit in what is left. Anything
// else makes the whole file unreadable, and the caller starts afresh, as
// it does when there is no file at all.
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "engine/io/kept_file.h"
#include "framework/highscores/high_score_table.h"
#include <cstdint>
#include <cstdio>

namespace wispwood {

namespace {

constexpr int64_t kSmallestEntryBytes = 12; // score and two empty lengths

class TableReader {
  public:
    explicit TableReader(TStream& stream) : stream_(stream), left_(stream.Size() - stream.Pos()) {}

    bool Int(int32_t& value) {
        unsigned char bytes[4];
        if (!Bytes(bytes, 4)) return false;
        value = static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
                                     static_cast<uint32_t>(bytes[2]) << 16 |
                                     static_cast<uint32_t>(bytes[3]) << 24);
        return true;
    }

    bool String(Text& text) {
        int32_t length = 0;
        if (!Int(length) || length < 0 || length > left_) return false;
        text.assign(static_cast<size_t>(length), '\0');
        return length == 0 || Bytes(text.data(), length);
    }

    int64_t Left() const { return left_; }

  private:
    bool Bytes(void* buffer, int64_t count) {
        if (count > left_ || stream_.Read(buffer, count) != count) return false;
        left_ -= count;
        return true;
    }

    TStream& stream_;
    int64_t left_;
};

void PutInt(Text& out, int32_t value) {
    auto bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((bits >> shift) & 0xff));
}

void PutString(Text& out, const Text& text) {
    PutInt(out, static_cast<int32_t>(text.size()));
    out += text;
}

Ref<THighScoreTable> ReadTable(TStream& stream, const Text& path) {
    TableReader in(stream);
    int32_t count = 0;
    if (!in.Int(count) || count <= 0 || count > in.Left() / kSmallestEntryBytes) return nullptr;
    auto table = THighScoreTable::Create(count, path);
    for (auto& entry : table->Elements) {
        int32_t score = 0;
        if (!in.Int(score) || !in.String(entry.Name) || !in.String(entry.ExtraData)) return nullptr;
        entry.Score = score;
    }
    return table;
}

} // namespace

Ref<THighScoreTable> THighScoreTable::Load(const Text& path) {
    auto stream = ReadFile("littleendian::" + path);
    if (!stream) return nullptr;
    auto table = ReadTable(*stream, path);
    stream->Close();
    return table;
}

Ref<THighScoreTable> THighScoreTable::LoadKept(const Text& path) {
    if (auto table = Load(path)) return table;
    const bool present = PathKind(path) != 0;
    Text said =
        path + (present ? " is damaged (cut short, or its count does not fit its bytes)" : " is missing");
    if (present) {
        const Text aside = SetFileAside(path);
        said += aside.empty() ? "; it could not be moved aside" : "; it is kept as " + aside;
    }
    auto backup = Load(BackupPathOf(path));
    if (backup) {
        backup->OriginPath = path;
        std::fprintf(stderr, "wispwood: %s; the high scores were loaded from %s\n", said.c_str(),
                     BackupPathOf(path).c_str());
    } else if (present) {
        std::fprintf(stderr, "wispwood: %s, and there is no good backup\n", said.c_str());
    }
    return backup;
}

int THighScoreTable::Save(const Text& path) const {
    const Text& target = path.empty() ? OriginPath : path;
    if (target.empty()) return 0;
    // Only a whole table becomes the backup.
    if (Load(target)) RefreshBackup(target);
    Text bytes;
    PutInt(bytes, static_cast<int32_t>(Elements.size()));
    for (const auto& entry : Elements) {
        PutInt(bytes, entry.Score);
        PutString(bytes, entry.Name);
        PutString(bytes, entry.ExtraData);
    }
    return SaveText(target, bytes);
}

} // namespace wispwood
