#pragma once
// A finished picture in straight (non-premultiplied) RGBA, rows top-down, and
// the encoders that write it. Fully transparent pixels are always 0,0,0,0:
// the game tests the colour bytes of transparent pixels in places.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace wispwood::mediagen {

struct Raster {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba; // width * height * 4

    Raster() = default;
    Raster(int w, int h) : width(w), height(h), rgba(size_t(w) * h * 4, 0) {}
    uint8_t* At(int x, int y) { return &rgba[(size_t(y) * width + x) * 4]; }
    const uint8_t* At(int x, int y) const { return &rgba[(size_t(y) * width + x) * 4]; }
};

// Byte-exact encoders: no time stamps or other varying chunks, fixed settings.
std::string EncodePng(const Raster& raster, int level = 9);
Raster FlipX(const Raster& raster);
Raster FlipY(const Raster& raster);
std::string EncodeJpeg(const Raster& raster, int quality); // alpha is dropped

// Writes through a temporary file and a rename, and leaves the file alone
// when it already holds these bytes (so time stamps only move on change).
// Creates missing folders. Returns false (with a message on standard error)
// when the file cannot be written.
bool WriteFileIfChanged(const std::filesystem::path& path, const std::string& bytes);
// The whole file; false when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes);
// The same for a source file the generator cannot do without: when it cannot
// be read, error says which.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes, std::string& error);

} // namespace wispwood::mediagen
