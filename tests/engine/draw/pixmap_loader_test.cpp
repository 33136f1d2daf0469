#include "engine/draw/pixmap_loader.h"
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "engine/io/memory_stream.h"
#include "tests/engine/draw/picture_bytes.h"
#include "tests/support/fuzz_replay.h"
#include "tests/support/golden_image.h"
#include "tests/support/paths.h"
#include "tests/support/pixmap_fuzz.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

using test::TestPicture;

void ExpectSamePixels(const Ref<TPixmap>& actual, const Ref<TPixmap>& expected, int tolerance,
                      const Text& what) {
    ASSERT_TRUE(actual) << what;
    EXPECT_EQ(test::CountDifferingPixels(actual, expected, tolerance), 0) << what;
}

struct Variant {
    const char* name;
    Text bytes;
    bool alpha;    // the decoded picture keeps the alpha channel
    int tolerance; // lossy or reduced-depth encodings
};

// The grey TGA holds only the blue channel of each pixel.
Ref<TPixmap> GreyPicture() {
    auto rgb = TestPicture(false), grey = TPixmap::Create(5, 3, PF_I8);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) grey->PixelPtr(x, y)[0] = static_cast<uint8_t>(rgb->ReadPixel(x, y));
    return grey;
}

std::vector<Variant> AllVariants() {
    auto rgba = TestPicture(true), rgb = TestPicture(false);
    return {
        {"png rgba", test::EncodePNG(rgba), true, 0},
        {"png rgb", test::EncodePNG(rgb), false, 0},
        {"jpeg", test::EncodeJPEG(rgb, 100), false, 40},
        {"bmp 24", test::EncodeBMP(rgb, 24), false, 0},
        {"bmp 24 top-down", test::EncodeBMP(rgb, 24, true), false, 0},
        {"bmp 32 fields", test::EncodeBMP(rgba, 32), true, 0},
        {"bmp 16", test::EncodeBMP(rgb, 16), false, 8},
        {"bmp 8", test::EncodeBMP(rgb, 8), false, 0},
        {"tga 24", test::EncodeTGA(rgb, 2, 24), false, 0},
        {"tga 32 top-down", test::EncodeTGA(rgba, 2, 32, true), true, 0},
        {"tga rle 32", test::EncodeTGA(rgba, 10, 32), true, 0},
        {"tga colour-mapped", test::EncodeTGA(rgb, 1, 8), false, 0},
        {"tga rle colour-mapped", test::EncodeTGA(rgb, 9, 8), false, 0},
        {"tga grey", test::EncodeTGA(GreyPicture(), 3, 8), false, 0},
    };
}

TEST(PixmapLoader, EveryFormatVariantDecodesToThePicture) {
    auto rgba = TestPicture(true), rgb = TestPicture(false);
    for (auto& v : AllVariants()) {
        auto pixmap = LoadPixmapFromBytes(v.bytes);
        ASSERT_TRUE(pixmap) << v.name;
        EXPECT_EQ(FormatHasAlpha(pixmap->format), v.alpha) << v.name;
        Ref<TPixmap> expected = Text(v.name) == "tga grey" ? GreyPicture() : v.alpha ? rgba : rgb;
        ExpectSamePixels(pixmap, expected, v.tolerance, v.name);
    }
}

TEST(PixmapLoader, OneBitAndFourBitBitmapsUseTheirPalettes) {
    auto two = TPixmap::Create(9, 2, PF_RGB888);
    auto sixteen = TPixmap::Create(7, 3, PF_RGB888);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 9; ++x) {
            two->WritePixel(x, y, (x + y) % 2 ? -1 : static_cast<int>(0xff000080u));
            sixteen->WritePixel(x, y, static_cast<int>(0xff000000u | ((x + y * 7) % 16 * 16) << 8));
        }
    ExpectSamePixels(LoadPixmapFromBytes(test::EncodeBMP(two, 1)), two, 0, "bmp 1");
    ExpectSamePixels(LoadPixmapFromBytes(test::EncodeBMP(sixteen, 4)), sixteen, 0, "bmp 4");
}

// Every prefix of a file, and the file with bytes changed, must be refused
// or decoded without reading outside the bytes (the sanitizer build checks
// that); prefixes that cut the pixel data are refused.
TEST(PixmapLoader, TruncatedAndDamagedFilesOfEveryFormatAreRefusedSafely) {
    for (auto& v : AllVariants()) {
        const Text& bytes = v.bytes;
        for (size_t cut = 0; cut + 1 < bytes.size(); ++cut)
            EXPECT_FALSE(LoadPixmapFromBytes(bytes.substr(0, cut))) << v.name << " cut at " << cut;
        uint32_t seed = 12345;
        for (int round = 0; round < 300; ++round) {
            Text damaged = bytes;
            for (int k = 0; k < 3; ++k) {
                seed = seed * 1103515245u + 12345u;
                damaged[(seed >> 8) % damaged.size()] = static_cast<char>(seed >> 24);
            }
            LoadPixmapFromBytes(damaged);
        }
    }
}

TEST(PixmapLoader, HeadersClaimingHugePicturesAreRefusedWithoutAllocating) {
    Text bmp = test::EncodeBMP(TestPicture(false), 24);
    bmp[18] = char(0xff), bmp[19] = char(0xff), bmp[20] = char(0xff), bmp[21] = char(0x7f);
    EXPECT_FALSE(LoadPixmapFromBytes(bmp));
    Text tga = test::EncodeTGA(TestPicture(false), 2, 24);
    tga[12] = char(0xff), tga[13] = char(0xff);
    EXPECT_FALSE(LoadPixmapFromBytes(tga));
    EXPECT_FALSE(LoadPixmapFromBytes(""));
    EXPECT_FALSE(LoadPixmapFromBytes("not a picture at all, just words"));
}

TEST(PixmapLoader, LoadsFromPathStreamOrPixmapAndMissingFilesGiveNull) {
    test::TempDir dir;
    auto picture = TestPicture(true);
    ASSERT_EQ(SavePixmapPNG(picture, dir.File("Picture.png")), 1);
    ExpectSamePixels(LoadPixmap(dir.File("Picture.png")), picture, 0, "path");
    ExpectSamePixels(LoadPixmap(dir.File("picture.PNG")), picture, 0, "path in other case");
    auto stream = New<TMemoryStream>(test::EncodePNG(picture));
    ExpectSamePixels(LoadPixmap(stream), picture, 0, "stream");
    EXPECT_EQ(LoadPixmap(picture), picture);
    EXPECT_FALSE(LoadPixmap(dir.File("missing.png")));
    EXPECT_FALSE(LoadPixmap(""));
}

TEST(PixmapLoader, SavedPngOfAnOpaqueFormatHasNoAlpha) {
    test::TempDir dir;
    ASSERT_EQ(SavePixmapPNG(TestPicture(false), dir.File("rgb.png")), 1);
    auto loaded = LoadPixmap(dir.File("rgb.png"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->format, PF_RGB888);
    EXPECT_EQ(SavePixmapPNG(nullptr, dir.File("none.png")), 0);
    EXPECT_EQ(SavePixmapPNG(TestPicture(false), dir.Unwritable("x.png")), 0);
}

// Inputs the fuzzer kept (and the seeds it started from) still decode
// safely.
TEST(PixmapLoader, KeptFuzzerInputsDecodeSafely) {
    EXPECT_GT(test::ReplayKeptInputs("pixmap", test::FuzzPixmapLoaders), 0);
}

} // namespace
} // namespace wispwood
