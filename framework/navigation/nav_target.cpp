#include "framework/navigation/nav_target.h"

namespace wispwood {

int NavTargets::Find(const void* key) const {
    if (!key) return -1;
    for (int i = 0; i < static_cast<int>(Items.size()); ++i)
        if (Items[i].key.get() == key) return i;
    return -1;
}

} // namespace wispwood
