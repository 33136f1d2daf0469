#include "game/adventure/comic_unlocks.h"

namespace wispwood {

int UnlockedComics(int currentAdventure) {
    // The first comic follows location 0, the others the five temples
    // (10, 29, 53, 77, 99): passing a temple moves the next location past it.
    constexpr int kPassed[ComicCount - 1] = {10, 29, 53, 77, 99};
    int count = 1;
    for (int last : kPassed)
        if (currentAdventure > last) ++count;
    return count;
}

} // namespace wispwood
