#include "platform/disks.hpp"

#include <windows.h>

#include <cstring>

namespace platform {
namespace {

using GetDiskFreeSpaceExFn = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
using SetThreadErrorModeFn = BOOL(WINAPI*)(DWORD, LPDWORD);

FARPROC Kernel32Proc(const char* name) {
  const HMODULE kernel = GetModuleHandleA("kernel32.dll");
  return kernel ? GetProcAddress(kernel, name) : nullptr;
}

template <class Fn>
Fn Kernel32Function(const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(Kernel32Proc(name)));
}

template <size_t N>
std::string BufferText(const char (&text)[N]) {
  return std::string(text, strnlen(text, N));
}

}  // namespace

std::uint32_t QueryLogicalDrives() { return GetLogicalDrives(); }

bool QueryVolumeInfo(const std::string& root, VolumeInfo& out) {
  // A label may be 32 characters on NTFS: a short buffer makes the whole query fail.
  char label[MAX_PATH + 1] = {};
  char fileSystem[MAX_PATH + 1] = {};
  DWORD serial = 0, maxLength = 0, flags = 0;
  if (!GetVolumeInformationA(root.c_str(), label, sizeof label, &serial, &maxLength, &flags, fileSystem,
                             sizeof fileSystem))
    return false;
  out.label = BufferText(label);
  out.serial = serial;
  out.maxComponentLength = maxLength;
  out.flags = flags;
  out.fileSystem = BufferText(fileSystem);
  return true;
}

bool QueryDiskSpace(const std::string& root, std::uint64_t& freeToCaller, std::uint64_t& total) {
  // GetDiskFreeSpaceExA is missing only on the first Windows 95; the cluster counts of the old
  // call stop at 2 GiB.
  static const auto spaceEx = Kernel32Function<GetDiskFreeSpaceExFn>("GetDiskFreeSpaceExA");
  if (spaceEx) {
    ULARGE_INTEGER avail, bytes;
    if (!spaceEx(root.c_str(), &avail, &bytes, nullptr)) return false;
    freeToCaller = avail.QuadPart;
    total = bytes.QuadPart;
    return true;
  }
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
  if (!GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters))
    return false;
  const std::uint64_t cluster = std::uint64_t{sectorsPerCluster} * bytesPerSector;
  freeToCaller = cluster * freeClusters;
  total = cluster * totalClusters;
  return true;
}

std::uint32_t QueryDriveType(const std::string& root) { return GetDriveTypeA(root.c_str()); }

// Only this thread's mode where the system can set it per thread (Windows 7 on); the process's
// mode otherwise, which on this one-thread program is the same.
CriticalErrorsFail::CriticalErrorsFail() {
  static const auto threadMode = Kernel32Function<SetThreadErrorModeFn>("SetThreadErrorMode");
  DWORD old = 0;
  if (threadMode && threadMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &old)) {
    previous_ = old;
  } else {
    previous_ = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  }
}

CriticalErrorsFail::~CriticalErrorsFail() {
  static const auto threadMode = Kernel32Function<SetThreadErrorModeFn>("SetThreadErrorMode");
  DWORD ours = 0;
  if (!threadMode || !threadMode(previous_, &ours)) SetErrorMode(previous_);
}

}  // namespace platform
