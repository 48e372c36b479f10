#pragma once
// The system's memory figures, in bytes (64 bits: today's machines exceed 4 GiB).
#include <cstdint>

namespace platform {

struct MemoryStatus {
  std::uint32_t memoryLoad = 0;     // percent of physical memory in use, 0..100
  std::uint64_t totalPhys = 0;      // physical memory
  std::uint64_t availPhys = 0;      // free physical memory
  std::uint64_t totalPageFile = 0;  // commit limit: the page file's maximum as the system reports it
  std::uint64_t availPageFile = 0;  // free part of it
  std::uint64_t totalVirtual = 0;   // user part of this process's address space
  std::uint64_t availVirtual = 0;   // unreserved, uncommitted part of it
};

MemoryStatus GetMemoryStatus();

}  // namespace platform
