#include "tools/mediagen/core/font_files.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <filesystem>
#include <mutex>

namespace wispwood::mediagen {

std::string FontFileFor(FontRole role) {
    const char* wanted = nullptr;
    switch (role) {
    case FontRole::Heading:
        wanted = "/usr/share/fonts/truetype/leckerli-one/LeckerliOne-Regular.ttf";
        break;
    case FontRole::Text:
        wanted = "/usr/share/fonts/truetype/quicksand/Quicksand-Bold.ttf";
        break;
    case FontRole::Book:
        wanted = "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf";
        break;
    case FontRole::Compact:
        wanted = "/usr/share/fonts/opentype/dosis/Dosis-ExtraBold.otf";
        break;
    }
    if (std::filesystem::exists(wanted)) return wanted;
    return "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
}

std::mutex& SharedFaceMutex() {
    static std::mutex mutex;
    return mutex;
}

cairo_font_face_t* CairoFaceFor(FontRole role) {
    static std::once_flag once;
    static cairo_font_face_t* faces[kFontRoles] = {};
    std::call_once(once, [] {
        static FT_Library library;
        FT_Init_FreeType(&library);
        for (int i = 0; i < kFontRoles; ++i) {
            FT_Face face = nullptr;
            FT_New_Face(library, FontFileFor(FontRole(i)).c_str(), 0, &face);
            faces[i] = cairo_ft_font_face_create_for_ft_face(face, 0);
        }
    });
    return faces[int(role)];
}

} // namespace wispwood::mediagen
