#include "game/services/memory_check.h"
#include "engine/io/system_memory.h"

namespace wispwood {

namespace {
PhysicalMemoryQuery gQuery = nullptr;
}

void SetPhysicalMemoryQuery(PhysicalMemoryQuery query) {
    gQuery = query;
}

int HasEnoughMemory(int thresholdMegabytes) {
    uint64_t bytes = gQuery ? gQuery() : TotalPhysicalMemory();
    uint64_t megabytes = bytes / 1048576;
    return megabytes > static_cast<uint64_t>(thresholdMegabytes) ? 1 : 0;
}

} // namespace wispwood
