// The computer's memory figures for the memory-status window, in the shape of the classic
// global memory status record. The platform code lives in MemoryStatus.cpp alone.
#pragma once

#include <QStringList>
#include <cstdint>

namespace tovak {

struct MemoryStatus {
    std::uint32_t length = 32;    // size of the classic record, shown as it always was
    std::uint64_t memoryLoad = 0; // percent of physical memory in use
    std::uint64_t totalPhys = 0;
    std::uint64_t availPhys = 0;
    std::uint64_t totalPageFile = 0;
    std::uint64_t availPageFile = 0;
    std::uint64_t totalVirtual = 0;
    std::uint64_t availVirtual = 0;
};

// Linux: physical memory from sysinfo (total) and /proc/meminfo (MemAvailable as free), the
// swap space as the paging file (sysinfo), the address-space limit of this process
// (RLIMIT_AS, or the user address space of the architecture when unlimited) and what is
// free of it after its current size (/proc/self/statm). Elsewhere only the address space.
MemoryStatus QueryMemoryStatus();

// The ten lines of the window, in order.
QStringList MemoryStatusLines(const MemoryStatus& status);

} // namespace tovak
