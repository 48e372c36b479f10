#include "platform/disks.hpp"

#include <windows.h>

#include <iterator>
#include <string>

#include "platform/utf.hpp"

namespace platform {
namespace {

using GetDiskFreeSpaceExFn = BOOL(WINAPI*)(LPCWSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
using SetThreadErrorModeFn = BOOL(WINAPI*)(DWORD, LPDWORD);

FARPROC Kernel32Proc(const char* name) {
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  return kernel ? GetProcAddress(kernel, name) : nullptr;
}

template <class Fn>
Fn Kernel32Function(const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(Kernel32Proc(name)));
}

}  // namespace

std::uint32_t QueryLogicalDrives() { return GetLogicalDrives(); }

bool QueryVolumeInfo(const std::string& root, VolumeInfo& out) {
  // A label may be 32 characters on NTFS: a short buffer makes the whole query fail.
  wchar_t label[MAX_PATH + 1] = {};
  wchar_t fileSystem[MAX_PATH + 1] = {};
  DWORD serial = 0, maxLength = 0, flags = 0;
  if (!GetVolumeInformationW(Utf8ToUtf16(root).c_str(), label, std::size(label), &serial, &maxLength, &flags,
                             fileSystem, std::size(fileSystem)))
    return false;
  out.label = Utf16ToUtf8(label, std::size(label));
  out.serial = serial;
  out.maxComponentLength = maxLength;
  out.flags = flags;
  out.fileSystem = Utf16ToUtf8(fileSystem, std::size(fileSystem));
  return true;
}

bool QueryDiskSpace(const std::string& root, std::uint64_t& freeToCaller, std::uint64_t& total) {
  // GetDiskFreeSpaceEx is missing only on the first Windows 95; the cluster counts of the old
  // call stop at 2 GiB.
  static const auto spaceEx = Kernel32Function<GetDiskFreeSpaceExFn>("GetDiskFreeSpaceExW");
  const std::wstring path = Utf8ToUtf16(root);
  if (spaceEx) {
    ULARGE_INTEGER avail, bytes;
    if (!spaceEx(path.c_str(), &avail, &bytes, nullptr)) return false;
    freeToCaller = avail.QuadPart;
    total = bytes.QuadPart;
    return true;
  }
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
  if (!GetDiskFreeSpaceW(path.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters))
    return false;
  const std::uint64_t cluster = std::uint64_t{sectorsPerCluster} * bytesPerSector;
  freeToCaller = cluster * freeClusters;
  total = cluster * totalClusters;
  return true;
}

std::uint32_t QueryDriveType(const std::string& root) { return GetDriveTypeW(Utf8ToUtf16(root).c_str()); }

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
