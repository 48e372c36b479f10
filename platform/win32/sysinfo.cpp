#include "platform/sysinfo.hpp"

#include <windows.h>

#include <iterator>
#include <string>

#include "platform/utf.hpp"

namespace platform {
namespace {

using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);

// GetVersionEx reports an older version to a program whose manifest does not name the running
// system as supported; ntdll's RtlGetVersion always reports the real one.
bool QueryRealVersion(OSVERSIONINFOW& info) {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  if (!ntdll) return false;
  const auto fn = reinterpret_cast<RtlGetVersionFn>(
      reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
  info = {};
  info.dwOSVersionInfoSize = sizeof info;
  return fn && fn(&info) == 0;
}

// A name or directory written by `read` into a buffer of maxChars units, which returns whether
// it fitted with its zero.
template <class Read>
bool ReadText(std::string& out, std::uint32_t maxChars, Read read) {
  if (maxChars == 0) return false;
  std::wstring buffer(maxChars, L'\0');
  if (!read(buffer.data(), static_cast<DWORD>(maxChars))) return false;
  out = Utf16ToUtf8(buffer.data(), maxChars);
  return true;
}

}  // namespace

bool QueryOsVersion(OsVersion& out) {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExW(&info)) return false;
  out.major = info.dwMajorVersion;
  out.minor = info.dwMinorVersion;
  out.build = info.dwBuildNumber;
  out.platformId = info.dwPlatformId;
  out.servicePack = Utf16ToUtf8(info.szCSDVersion, std::size(info.szCSDVersion));
  OSVERSIONINFOW real;
  if (QueryRealVersion(real)) {
    out.major = real.dwMajorVersion;
    out.minor = real.dwMinorVersion;
    out.build = real.dwBuildNumber;
  }
  return true;
}

bool QueryComputerName(std::string& out, std::uint32_t maxChars) {
  return ReadText(out, maxChars, [](wchar_t* b, DWORD n) { return GetComputerNameW(b, &n) != FALSE; });
}

bool QueryUserName(std::string& out, std::uint32_t maxChars) {
  return ReadText(out, maxChars, [](wchar_t* b, DWORD n) { return GetUserNameW(b, &n) != FALSE; });
}

// These two return the length, or the size needed when the buffer is too small.
bool QueryTempPath(std::string& out, std::uint32_t maxChars) {
  return ReadText(out, maxChars, [](wchar_t* b, DWORD n) {
    const DWORD length = GetTempPathW(n, b);
    return length != 0 && length < n;
  });
}

bool QueryWindowsDirectory(std::string& out, std::uint32_t maxChars) {
  return ReadText(out, maxChars, [](wchar_t* b, DWORD n) {
    const UINT length = GetWindowsDirectoryW(b, n);
    return length != 0 && length < n;
  });
}

}  // namespace platform

namespace platform {

ProcessorInfo QueryProcessorInfo() {
  SYSTEM_INFO info{};
  GetSystemInfo(&info);
  return {info.dwNumberOfProcessors, info.dwProcessorType};
}

}  // namespace platform
