#pragma once
// Golden-image comparison. A picture is compared with
// tests/fixtures/golden/<name>.png: pixels differ when any channel differs
// by more than the threshold, and the match fails when more pixels differ
// than allowed. On failure the actual picture, the expected one and a
// difference picture are written under build/golden-failures/. With
// WISPWOOD_UPDATE_GOLDEN=1 in the environment the golden file is written
// from the actual picture instead (and the check passes).
#include "engine/core/text.h"
#include "engine/draw/pixmap.h"
#include <gtest/gtest.h>

namespace wispwood::test {

struct GoldenTolerance {
    int channelThreshold = 2;
    int maxDifferingPixels = 0;
};

::testing::AssertionResult MatchesGolden(const Ref<TPixmap>& actual, const Text& name,
                                         GoldenTolerance tolerance = {});

// Counts pixels whose channels differ by more than the threshold; -1 when
// the sizes differ. The difference picture (optional) shows them in red over
// a faded copy of the expected picture.
int CountDifferingPixels(const Ref<TPixmap>& actual, const Ref<TPixmap>& expected, int channelThreshold,
                         Ref<TPixmap>* difference = nullptr);

} // namespace wispwood::test
