#include "engine/io/file_stream.h"
#include "engine/io/path.h"
#include "engine/io/text_routines.h"
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace wispwood {

// The rename lives in the folder's entries: until they reach the disk a
// power cut can bring back the old file, or none at all.
void SyncFolderOf(const Text& path) {
    Text folder = DirectoryPart(path);
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

void RemoveStaleTemporaries(const Text& path) {
    Text finalPath = NormalisePath(path);
    Text folder = DirectoryPart(finalPath);
    // The pattern OpenWrite gives mkstemp: "." + name + "." + six characters.
    Text prefix = ".";
    prefix += FileNamePart(finalPath);
    prefix += ".";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder.empty() ? "." : folder, error)) {
        Text name = entry.path().filename().string();
        if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0)
            std::filesystem::remove(entry.path(), error);
    }
}

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

namespace {

Text gLastWriteError;

void NoteWriteError(const char* what) {
    gLastWriteError = Text(what) + ": " + std::strerror(errno);
}

} // namespace

const Text& LastWriteError() {
    return gLastWriteError;
}

Ref<TCStream> TCStream::OpenWrite(const Text& path) {
    Text finalPath = NormalisePath(path);
    if (finalPath.empty()) return nullptr;
    struct stat st;
    if (::stat(finalPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        gLastWriteError = "a folder stands in its place";
        return nullptr;
    }
    Text folder = DirectoryPart(finalPath);
    Text pattern = (folder.empty() ? Text() : folder + "/") + "." + FileNamePart(finalPath) + ".XXXXXX";
    int fd = ::mkstemp(pattern.data());
    // The folder may have gone since the game started (a player tidying
    // their files): it is made again, with its parents, rather than the
    // save being lost.
    if (fd < 0 && errno == ENOENT && !folder.empty()) {
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        pattern = folder + "/." + FileNamePart(finalPath) + ".XXXXXX";
        fd = ::mkstemp(pattern.data());
    }
    if (fd < 0) {
        NoteWriteError("cannot create a file there");
        return nullptr;
    }
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
    if (n != static_cast<size_t>(count) && !failed_) {
        NoteWriteError("not every byte could be written");
        failed_ = true;
    }
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
    if (std::fflush(file_) != 0 || std::ferror(file_) || ::fsync(::fileno(file_)) != 0) {
        NoteWriteError("the bytes did not reach the disk");
        failed_ = true;
    }
    if (std::fclose(file_) != 0 && !failed_) {
        NoteWriteError("the bytes did not reach the disk");
        failed_ = true;
    }
    file_ = nullptr;
    if (!failed_ && std::rename(tempPath_.c_str(), finalPath_.c_str()) != 0) {
        NoteWriteError("the file could not take the new bytes");
        failed_ = true;
    }
    if (failed_) {
        ::unlink(tempPath_.c_str());
        return 0;
    }
    SyncFolderOf(finalPath_);
    return 1;
}

namespace {

// Opens the file after a "littleendian::" or "bigendian::" prefix, wrapped
// for that byte order; null for any other prefix.
Ref<TStream> OpenWithProtocol(const Text& path, Ref<TCStream> (*open)(const Text&)) {
    size_t mark = path.find("::");
    if (mark == Text::npos) return open(path);
    Text protocol = LowerText(path.substr(0, mark));
    if (protocol != "littleendian" && protocol != "bigendian") return nullptr;
    Ref<TStream> stream = open(path.substr(mark + 2));
    if (!stream) return nullptr;
    if (protocol == "bigendian") return std::make_shared<TBigEndianStream>(stream);
    return std::make_shared<TLittleEndianStream>(stream);
}

} // namespace

Ref<TStream> ReadFile(const Text& path) {
    return OpenWithProtocol(path, TCStream::OpenRead);
}

Ref<TStream> WriteFile(const Text& path) {
    return OpenWithProtocol(path, TCStream::OpenWrite);
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
