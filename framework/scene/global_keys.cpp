#include "framework/scene/global_keys.h"
#include "framework/scene/input_snapshot.h"

namespace wispwood {

void ConsumeKeyPress(int key, int typed) {
    if (key >= 0 && key < kSnapshotKeys) SnapshotKeyHits[key] = 0;
    if (typed != 0 && SnapshotChar == typed) SnapshotChar = 0;
}

} // namespace wispwood
