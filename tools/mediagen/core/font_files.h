#pragma once
// The free fonts the generator draws letters with (Debian font packages;
// DejaVu stands in when one is missing), opened once for the whole process.
#include <cairo.h>

#include <mutex>
#include <string>

namespace wispwood::mediagen {

enum class FontRole {
    Heading, // ornate display capitals (big font, logos)
    Text,    // clean rounded sans (lettering painted into pictures)
    Book,    // the tutorial's book face
    Compact, // narrow rounded sans with room for whole phrases (main font)
};
constexpr int kFontRoles = 4;

std::string FontFileFor(FontRole role);
// A cairo face for the role; owned by the process, never released.
cairo_font_face_t* CairoFaceFor(FontRole role);
// Held while cairo draws text with those faces: the painters run on several
// threads and FreeType faces are not safe to share between them.
std::mutex& SharedFaceMutex();

} // namespace wispwood::mediagen
