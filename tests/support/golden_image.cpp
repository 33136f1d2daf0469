#include "tests/support/golden_image.h"
#include "engine/draw/pixmap_loader.h"
#include "engine/io/file_system.h"
#include "tests/support/paths.h"
#include <cstdlib>

namespace wispwood::test {

namespace {

bool UpdateRequested() {
    const char* flag = std::getenv("WISPWOOD_UPDATE_GOLDEN");
    return flag && Text(flag) == "1";
}

int Channel(int argb, int shift) {
    return (static_cast<uint32_t>(argb) >> shift) & 255;
}

} // namespace

int CountDifferingPixels(const Ref<TPixmap>& actual, const Ref<TPixmap>& expected, int channelThreshold,
                         Ref<TPixmap>* difference) {
    if (!actual || !expected || actual->width != expected->width || actual->height != expected->height)
        return -1;
    if (difference) *difference = TPixmap::Create(actual->width, actual->height, PF_RGBA8888);
    int count = 0;
    for (int y = 0; y < actual->height; ++y) {
        for (int x = 0; x < actual->width; ++x) {
            int a = actual->ReadPixel(x, y), e = expected->ReadPixel(x, y);
            bool differs = false;
            for (int shift = 0; shift < 32; shift += 8)
                differs |= std::abs(Channel(a, shift) - Channel(e, shift)) > channelThreshold;
            count += differs;
            if (!difference) continue;
            int grey = (Channel(e, 16) + Channel(e, 8) + Channel(e, 0)) / 12;
            (*difference)
                ->WritePixel(x, y,
                             differs ? static_cast<int>(0xffff0000u)
                                     : static_cast<int>(0xff000000u | grey * 0x010101u));
        }
    }
    return count;
}

::testing::AssertionResult MatchesGolden(const Ref<TPixmap>& actual, const Text& name,
                                         GoldenTolerance tolerance) {
    if (!actual) return ::testing::AssertionFailure() << "no picture to compare with golden '" << name << "'";
    Text goldenPath = SourcePath("tests/fixtures/golden/" + name + ".png");
    if (UpdateRequested()) {
        CreateDir(SourcePath("tests/fixtures/golden"), 1);
        if (!SavePixmapPNG(actual, goldenPath))
            return ::testing::AssertionFailure() << "cannot write " << goldenPath;
        return ::testing::AssertionSuccess() << "golden '" << name << "' updated";
    }
    Text outDir = Text(WISPWOOD_BINARY_DIR) + "/golden-failures";
    Ref<TPixmap> expected = LoadPixmap(goldenPath);
    if (!expected) {
        CreateDir(outDir, 1);
        SavePixmapPNG(actual, outDir + "/" + name + ".actual.png");
        return ::testing::AssertionFailure() << "golden image " << goldenPath
                                             << " is missing; run with WISPWOOD_UPDATE_GOLDEN=1 to create it";
    }
    Ref<TPixmap> difference;
    int differing = CountDifferingPixels(actual, expected, tolerance.channelThreshold, &difference);
    if (differing >= 0 && differing <= tolerance.maxDifferingPixels) return ::testing::AssertionSuccess();
    CreateDir(outDir, 1);
    SavePixmapPNG(actual, outDir + "/" + name + ".actual.png");
    SavePixmapPNG(expected, outDir + "/" + name + ".expected.png");
    if (difference) SavePixmapPNG(difference, outDir + "/" + name + ".difference.png");
    auto failure = ::testing::AssertionFailure() << "picture differs from golden '" << name << "': ";
    if (differing < 0)
        return failure << "size " << actual->width << "x" << actual->height << " against " << expected->width
                       << "x" << expected->height << " (see " << outDir << ")";
    return failure << differing << " pixels differ by more than " << tolerance.channelThreshold
                   << " (allowed " << tolerance.maxDifferingPixels << "); see " << outDir;
}

} // namespace wispwood::test
