#pragma once
// The operating system's version, the computer's and user's names, and system directories.
// The name and directory calls write into the caller's buffer and never past `size` bytes.
#include <cstdint>
#include <string>

namespace platform {

struct OsVersion {
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::uint32_t build = 0;       // all 32 bits as reported
  std::uint32_t platformId = 0;  // 0 Win32s, 1 Windows 9x, 2 NT
  std::string servicePack;       // e.g. "Service Pack 1"; empty when none
};

// The version of the running system, not one lowered for compatibility; false on failure.
bool QueryOsVersion(OsVersion& out);
// The NetBIOS computer name, zero-terminated; false when it does not fit or is unavailable.
bool QueryComputerName(char* buffer, std::uint32_t size);
// The logged-on user's name, zero-terminated; false when it does not fit or is unavailable.
bool QueryUserName(char* buffer, std::uint32_t size);
// The temporary-files directory with its trailing backslash. Returns its length; 0 on failure;
// more than `size` - 1 when it does not fit (the buffer then holds nothing usable).
std::uint32_t QueryTempPath(char* buffer, std::uint32_t size);
// The Windows directory; returns like QueryTempPath.
std::uint32_t QueryWindowsDirectory(char* buffer, std::uint32_t size);

}  // namespace platform

namespace platform {

// The processors as the system reports them (GetSystemInfo).
struct ProcessorInfo {
  std::uint32_t count = 0;  // logical processors
  std::uint32_t type = 0;   // the processor type number: 386, 486, 586, ...
};

ProcessorInfo QueryProcessorInfo();

}  // namespace platform
