#include "tests/fake/fake_sysinfo.hpp"

#include <cstring>
#include <stdexcept>

#include "tests/fake/fake_platform.hpp"

namespace {

bool CopyName(const std::optional<std::string>& name, char* buffer, std::uint32_t size) {
  if (!name || name->size() + 1 > size) return false;
  std::memcpy(buffer, name->c_str(), name->size() + 1);
  return true;
}

std::uint32_t CopyPath(const std::string& path, char* buffer, std::uint32_t size) {
  if (path.empty()) return 0;
  if (path.size() + 1 > size) return static_cast<std::uint32_t>(path.size() + 1);
  std::memcpy(buffer, path.c_str(), path.size() + 1);
  return static_cast<std::uint32_t>(path.size());
}

}  // namespace

namespace platform {

bool QueryOsVersion(OsVersion& out) {
  const auto& v = fake::Fake().sysinfo.version;
  if (v) out = *v;
  return v.has_value();
}

bool QueryComputerName(char* buffer, std::uint32_t size) {
  const fake::SysInfo& s = fake::Fake().sysinfo;
  if (s.computerNameUnterminated && s.computerName) {
    for (std::uint32_t i = 0; i < size; ++i) buffer[i] = (*s.computerName)[i % s.computerName->size()];
    return true;
  }
  return CopyName(s.computerName, buffer, size);
}

bool QueryUserName(char* buffer, std::uint32_t size) {
  const fake::SysInfo& s = fake::Fake().sysinfo;
  if (s.userNameThrows) throw std::runtime_error("user name");
  return CopyName(s.userName, buffer, size);
}

std::uint32_t QueryTempPath(char* buffer, std::uint32_t size) {
  return CopyPath(fake::Fake().sysinfo.tempPath, buffer, size);
}

std::uint32_t QueryWindowsDirectory(char* buffer, std::uint32_t size) {
  return CopyPath(fake::Fake().sysinfo.windowsDirectory, buffer, size);
}

ProcessorInfo QueryProcessorInfo() { return fake::Fake().sysinfo.processors; }

}  // namespace platform
