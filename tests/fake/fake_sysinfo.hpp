#pragma once
// The fake system facts. The name and directory calls behave as the system's do: a text that does
// not fit in its number of characters (UTF-16 code units, zero included) fails.
#include <optional>
#include <string>

#include "platform/sysinfo.hpp"

namespace fake {

struct SysInfo {
  std::optional<platform::OsVersion> version = platform::OsVersion{10, 0, 19045, 2, ""};  // nothing: fails
  std::optional<std::string> computerName = "ORVANE-PC";  // nothing: the call fails
  std::optional<std::string> userName = "kim";
  std::string tempPath = "C:\\Users\\kim\\AppData\\Local\\Temp\\";  // empty: the call fails
  std::string windowsDirectory = "C:\\Windows";
  bool userNameThrows = false;  // an unexpected failure in the middle of the facts
  platform::ProcessorInfo processors{4, 586};
};

}  // namespace fake
