#include "platform/memory.hpp"

#include <windows.h>

namespace platform {
namespace {

using GlobalMemoryStatusExFn = BOOL(WINAPI*)(LPMEMORYSTATUSEX);

// GlobalMemoryStatusEx where the system has it; the old call caps memory at 2 GiB (4 GiB - 1 for
// large-address-aware programs) and is only the fallback for systems without the new one.
GlobalMemoryStatusExFn FindStatusEx() {
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  return kernel ? reinterpret_cast<GlobalMemoryStatusExFn>(
                      reinterpret_cast<void*>(GetProcAddress(kernel, "GlobalMemoryStatusEx")))
                : nullptr;
}

}  // namespace

MemoryStatus GetMemoryStatus() {
  static const GlobalMemoryStatusExFn statusEx = FindStatusEx();
  MemoryStatus s;
  MEMORYSTATUSEX ex{};
  ex.dwLength = sizeof ex;
  if (statusEx && statusEx(&ex)) {
    s.memoryLoad = ex.dwMemoryLoad;
    s.totalPhys = ex.ullTotalPhys;
    s.availPhys = ex.ullAvailPhys;
    s.totalPageFile = ex.ullTotalPageFile;
    s.availPageFile = ex.ullAvailPageFile;
    s.totalVirtual = ex.ullTotalVirtual;
    s.availVirtual = ex.ullAvailVirtual;
    return s;
  }
  MEMORYSTATUS old{};
  old.dwLength = sizeof old;
  GlobalMemoryStatus(&old);
  s.memoryLoad = old.dwMemoryLoad;
  s.totalPhys = old.dwTotalPhys;
  s.availPhys = old.dwAvailPhys;
  s.totalPageFile = old.dwTotalPageFile;
  s.availPageFile = old.dwAvailPageFile;
  s.totalVirtual = old.dwTotalVirtual;
  s.availVirtual = old.dwAvailVirtual;
  return s;
}

}  // namespace platform
