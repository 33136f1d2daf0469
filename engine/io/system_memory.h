#pragma once
#include <cstdint>

namespace wispwood {

// The machine's total physical memory in bytes; 0 when it cannot be read.
uint64_t TotalPhysicalMemory();

} // namespace wispwood
