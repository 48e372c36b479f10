#include "platform/sysinfo.hpp"

#include <windows.h>

#include <cstring>

namespace platform {
namespace {

using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);

// GetVersionEx reports an older version to a program whose manifest does not name the running
// system as supported; ntdll's RtlGetVersion always reports the real one.
bool QueryRealVersion(OSVERSIONINFOW& info) {
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  if (!ntdll) return false;
  const auto fn = reinterpret_cast<RtlGetVersionFn>(
      reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
  info = {};
  info.dwOSVersionInfoSize = sizeof info;
  return fn && fn(&info) == 0;
}

}  // namespace

bool QueryOsVersion(OsVersion& out) {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExA(&info)) return false;
  out.major = info.dwMajorVersion;
  out.minor = info.dwMinorVersion;
  out.build = info.dwBuildNumber;
  out.platformId = info.dwPlatformId;
  out.servicePack.assign(info.szCSDVersion, strnlen(info.szCSDVersion, sizeof info.szCSDVersion));
  OSVERSIONINFOW real;
  if (QueryRealVersion(real)) {
    out.major = real.dwMajorVersion;
    out.minor = real.dwMinorVersion;
    out.build = real.dwBuildNumber;
  }
  return true;
}

bool QueryComputerName(char* buffer, std::uint32_t size) {
  DWORD n = size;
  return GetComputerNameA(buffer, &n) != FALSE;
}

bool QueryUserName(char* buffer, std::uint32_t size) {
  DWORD n = size;
  return GetUserNameA(buffer, &n) != FALSE;
}

std::uint32_t QueryTempPath(char* buffer, std::uint32_t size) { return GetTempPathA(size, buffer); }

std::uint32_t QueryWindowsDirectory(char* buffer, std::uint32_t size) {
  return GetWindowsDirectoryA(buffer, size);
}

}  // namespace platform

namespace platform {

ProcessorInfo QueryProcessorInfo() {
  SYSTEM_INFO info{};
  GetSystemInfo(&info);
  return {info.dwNumberOfProcessors, info.dwProcessorType};
}

}  // namespace platform
