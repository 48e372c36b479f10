#include "tests/fake/fake_sysinfo.hpp"

#include <stdexcept>

#include "platform/utf.hpp"
#include "tests/fake/fake_platform.hpp"

namespace {

bool CopyName(const std::optional<std::string>& name, std::string& out, std::uint32_t maxChars) {
  if (!name || platform::Utf8ToUtf16<char16_t>(*name).size() + 1 > maxChars) return false;
  out = *name;
  return true;
}

}  // namespace

namespace platform {

bool QueryOsVersion(OsVersion& out) {
  const auto& v = fake::Fake().sysinfo.version;
  if (v) out = *v;
  return v.has_value();
}

bool QueryComputerName(std::string& out, std::uint32_t maxChars) {
  return CopyName(fake::Fake().sysinfo.computerName, out, maxChars);
}

bool QueryUserName(std::string& out, std::uint32_t maxChars) {
  const fake::SysInfo& s = fake::Fake().sysinfo;
  if (s.userNameThrows) throw std::runtime_error("user name");
  return CopyName(s.userName, out, maxChars);
}

bool QueryTempPath(std::string& out, std::uint32_t maxChars) {
  const std::string& path = fake::Fake().sysinfo.tempPath;
  return !path.empty() && CopyName(path, out, maxChars);
}

bool QueryWindowsDirectory(std::string& out, std::uint32_t maxChars) {
  const std::string& path = fake::Fake().sysinfo.windowsDirectory;
  return !path.empty() && CopyName(path, out, maxChars);
}

ProcessorInfo QueryProcessorInfo() { return fake::Fake().sysinfo.processors; }

}  // namespace platform
