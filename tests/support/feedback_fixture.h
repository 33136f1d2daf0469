#pragma once
// A board world with every feedback list empty, no fonts or pictures, and
// the sounds played collected instead of heard.
#include "engine/core/text.h"
#include "tests/support/ascii_board.h"
#include <algorithm>
#include <vector>

namespace wispwood::test {

class FeedbackTest : public BoardTest {
  protected:
    std::vector<Text> sounds;

    void SetUp() override;
    void TearDown() override;
    int Played(const Text& path) const {
        return static_cast<int>(std::count(sounds.begin(), sounds.end(), path));
    }
};

} // namespace wispwood::test
