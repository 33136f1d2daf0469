// libFuzzer target: the TGA, PNG, JPEG and BMP decoders behind LoadPixmap.
#include "tests/support/pixmap_fuzz.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!wispwood::test::FuzzPixmapLoaders(data, size)) std::abort();
    return 0;
}
