#pragma once
#include <cstdint>

namespace wispwood {

// 1 when the machine has more than threshold megabytes of physical memory.
// An unavailable query reads as 0 bytes.
int HasEnoughMemory(int thresholdMegabytes);

// Tests stand in other machines; null restores the real query.
using PhysicalMemoryQuery = uint64_t (*)();
void SetPhysicalMemoryQuery(PhysicalMemoryQuery query);

} // namespace wispwood
