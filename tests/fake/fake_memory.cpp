#include "platform/memory.hpp"
#include "tests/fake/fake_platform.hpp"

namespace platform {

MemoryStatus GetMemoryStatus() {
  ++fake::Fake().memoryReads;
  return fake::Fake().memory;
}

}  // namespace platform
