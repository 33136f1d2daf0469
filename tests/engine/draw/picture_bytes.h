#pragma once
// Small picture files built in memory, so loader tests need no binary
// fixtures and can cover each variant of a format.
#include "engine/core/text.h"
#include "engine/draw/pixmap.h"

namespace wispwood::test {

// A 5 x 3 test picture: every pixel different, alpha varying by column.
Ref<TPixmap> TestPicture(bool withAlpha);

Text EncodePNG(const Ref<TPixmap>& pixmap);
Text EncodeJPEG(const Ref<TPixmap>& pixmap, int quality = 95);
// bits 1, 4, 8 (palette of the picture's colours), 16, 24 or 32 (32 with
// an alpha bit-field mask).
Text EncodeBMP(const Ref<TPixmap>& pixmap, int bits, bool topDown = false);
// type 1 (colour-mapped), 2 (true colour, 24 or 32 bits), 3 (grey), plus 8
// for run-length encoding.
Text EncodeTGA(const Ref<TPixmap>& pixmap, int type, int bits, bool topDown = false);

} // namespace wispwood::test
