#include "engine/io/system_memory.h"
#include <sys/sysinfo.h>

namespace wispwood {

uint64_t TotalPhysicalMemory() {
    struct sysinfo info;
    if (::sysinfo(&info) != 0) return 0;
    return static_cast<uint64_t>(info.totalram) * info.mem_unit;
}

} // namespace wispwood
