#include "game/app/loader_queue.h"
#include "game/services/settings.h"

namespace wispwood {

Loader LoaderTable[kLoaderTableSize];
int LoaderCount = 0;

void RegisterLoader(Loader loader) {
    // Only 256 fit; a further one is dropped rather than written past the table.
    if (LoaderCount >= kLoaderTableSize) return;
    // An empty function marks a free entry, so an empty step is a no-op
    // that still occupies its place in the queue.
    LoaderTable[LoaderCount++] = loader ? std::move(loader) : Loader([] {});
}

int RunLoadStep(int index) {
    if (index < 0 || index >= kLoaderTableSize) return 1;
    int remembered = GetLoadSteps();
    if (LoaderTable[index]) LoaderTable[index]();
    SetLoadSteps(remembered);
    return index + 1 >= kLoaderTableSize || !LoaderTable[index + 1] ? 1 : 0;
}

void RunEveryLoadStep() {
    for (int step = 0; step < LoaderCount; ++step)
        if (RunLoadStep(step)) break;
}

void ResetLoaderQueue() {
    for (Loader& loader : LoaderTable) loader = Loader();
    LoaderCount = 0;
}

} // namespace wispwood
