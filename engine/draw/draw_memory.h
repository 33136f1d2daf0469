#pragma once
// Where picture memory goes: bytes of pixels held by pixmaps (decoded
// pictures and their copies) and by the renderer's textures (on the
// software renderer these live in main memory too, as do the pixels kept
// packed for mask copies not made yet). For measuring.
#include <cstddef>

namespace wispwood {

size_t PixmapBytesInUse();
size_t TextureBytesInUse();

} // namespace wispwood
