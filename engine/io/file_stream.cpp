#include "engine/io/file_stream.h"
#include "engine/io/path.h"
#include <cctype>
#include <cstdlib>
#include <exception>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wispwood {

TCStream::TCStream(FILE* file, Text tempPath, Text finalPath)
    : file_(file), tempPath_(std::move(tempPath)), finalPath_(std::move(finalPath)) {}

Ref<TCStream> TCStream::OpenRead(const Text& path) {
    Text resolved = ResolvePathCase(path);
    struct stat st;
    if (::stat(resolved.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return nullptr;
    FILE* file = std::fopen(resolved.c_str(), "rb");
    if (!file) return nullptr;
    return std::make_shared<TCStream>(file, Text(), Text());
}

Ref<TCStream> TCStream::OpenWrite(const Text& path) {
    Text finalPath = NormalisePath(path);
    if (finalPath.empty()) return nullptr;
    struct stat st;
    if (::stat(finalPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return nullptr;
    Text folder = DirectoryPart(finalPath);
    Text pattern = (folder.empty() ? Text() : folder + "/") + "." + FileNamePart(finalPath) + ".XXXXXX";
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) return nullptr;
    // Keep the permissions an ordinary create would have given.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    FILE* file = ::fdopen(fd, "w+b");
    if (!file) {
        ::close(fd);
        ::unlink(pattern.c_str());
        return nullptr;
    }
    return std::make_shared<TCStream>(file, pattern, finalPath);
}

TCStream::~TCStream() {
    if (!file_) return;
    if (std::uncaught_exceptions() > 0) {
        Discard();
    } else {
        Close();
    }
}

void TCStream::Discard() {
    std::fclose(file_);
    file_ = nullptr;
    if (!tempPath_.empty()) ::unlink(tempPath_.c_str());
}

int64_t TCStream::Pos() {
    return file_ ? static_cast<int64_t>(::ftello(file_)) : -1;
}

int64_t TCStream::Size() {
    if (!file_) return 0;
    std::fflush(file_);
    struct stat st;
    if (::fstat(::fileno(file_), &st) != 0) return 0;
    return static_cast<int64_t>(st.st_size);
}

int64_t TCStream::Seek(int64_t pos) {
    if (!file_) return -1;
    if (::fseeko(file_, static_cast<off_t>(pos), SEEK_SET) != 0) return -1;
    return Pos();
}

int TCStream::Flush() {
    if (!file_) return 0;
    if (std::fflush(file_) != 0) failed_ = true;
    return failed_ ? 0 : 1;
}

int64_t TCStream::Read(void* buffer, int64_t count) {
    if (!file_ || count <= 0) return 0;
    return static_cast<int64_t>(std::fread(buffer, 1, static_cast<size_t>(count), file_));
}

int64_t TCStream::Write(const void* buffer, int64_t count) {
    if (!file_ || count <= 0) return 0;
    size_t n = std::fwrite(buffer, 1, static_cast<size_t>(count), file_);
    if (n != static_cast<size_t>(count)) failed_ = true;
    return static_cast<int64_t>(n);
}

int TCStream::Close() {
    if (!file_) return failed_ ? 0 : 1;
    if (tempPath_.empty()) {
        std::fclose(file_);
        file_ = nullptr;
        return 1;
    }
    // Everything must be on disk before the rename makes it the file.
    if (std::fflush(file_) != 0 || std::ferror(file_) || ::fsync(::fileno(file_)) != 0) failed_ = true;
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    if (!failed_ && std::rename(tempPath_.c_str(), finalPath_.c_str()) != 0) failed_ = true;
    if (failed_) {
        ::unlink(tempPath_.c_str());
        return 0;
    }
    return 1;
}

namespace {

enum class ByteOrder { Native, Little, Big, Unknown };

// Splits a "protocol::" prefix off the path.
ByteOrder TakeProtocol(Text& path) {
    size_t mark = path.find("::");
    if (mark == Text::npos) return ByteOrder::Native;
    Text protocol = path.substr(0, mark);
    path = path.substr(mark + 2);
    for (char& c : protocol) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (protocol == "littleendian") return ByteOrder::Little;
    if (protocol == "bigendian") return ByteOrder::Big;
    return ByteOrder::Unknown;
}

Ref<TStream> Wrap(Ref<TStream> stream, ByteOrder order) {
    if (!stream) return nullptr;
    if (order == ByteOrder::Little) return std::make_shared<TLittleEndianStream>(stream);
    if (order == ByteOrder::Big) return std::make_shared<TBigEndianStream>(stream);
    return stream;
}

} // namespace

Ref<TStream> ReadFile(const Text& path) {
    Text plain = path;
    ByteOrder order = TakeProtocol(plain);
    if (order == ByteOrder::Unknown) return nullptr;
    return Wrap(TCStream::OpenRead(plain), order);
}

Ref<TStream> WriteFile(const Text& path) {
    Text plain = path;
    ByteOrder order = TakeProtocol(plain);
    if (order == ByteOrder::Unknown) return nullptr;
    return Wrap(TCStream::OpenWrite(plain), order);
}

bool LoadText(const Text& path, Text& bytes) {
    Ref<TCStream> stream = TCStream::OpenRead(path);
    if (!stream) return false;
    bytes.clear();
    char buffer[65536];
    int64_t n;
    while ((n = stream->Read(buffer, sizeof buffer)) > 0) bytes.append(buffer, static_cast<size_t>(n));
    stream->Close();
    return true;
}

int SaveText(const Text& path, const Text& bytes) {
    Ref<TCStream> stream = TCStream::OpenWrite(path);
    if (!stream) return 0;
    if (stream->Write(bytes.data(), static_cast<int64_t>(bytes.size())) !=
        static_cast<int64_t>(bytes.size())) {
        stream->Close();
        return 0;
    }
    return stream->Close();
}

} // namespace wispwood
