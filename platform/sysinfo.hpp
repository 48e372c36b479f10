#pragma once
// The operating system's version, the computer's and user's names, and system directories.
// Names and directories come as UTF-8; their limits count characters as the system does (UTF-16
// code units), whatever their script.
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
// The NetBIOS computer name; false when it is unavailable or needs more than `maxChars`
// characters with its terminating zero.
bool QueryComputerName(std::string& out, std::uint32_t maxChars);
// The logged-on user's name; false like QueryComputerName.
bool QueryUserName(std::string& out, std::uint32_t maxChars);
// The temporary-files directory with its trailing backslash; false like QueryComputerName.
bool QueryTempPath(std::string& out, std::uint32_t maxChars);
// The Windows directory; false like QueryComputerName.
bool QueryWindowsDirectory(std::string& out, std::uint32_t maxChars);

}  // namespace platform

namespace platform {

// The processors as the system reports them (GetSystemInfo).
struct ProcessorInfo {
  std::uint32_t count = 0;  // logical processors
  std::uint32_t type = 0;   // the processor type number: 386, 486, 586, ...
};

ProcessorInfo QueryProcessorInfo();

}  // namespace platform
