#include "funclib/computer.hpp"

#include <array>
#include <cstring>
#include <exception>
#include <optional>

#include "funclib/text.hpp"
#include "platform/network.hpp"
#include "platform/sysinfo.hpp"

namespace funclib {
namespace {

// NetBIOS commands.
constexpr std::uint8_t kNcbEnum = 0x37;
constexpr std::uint8_t kNcbReset = 0x32;
constexpr std::uint8_t kNcbAdapterStatus = 0x33;
constexpr std::uint16_t kLanaEnumSize = 256;        // LANA_ENUM: a count byte, then adapter numbers
constexpr std::uint16_t kAdapterStatusSize = 600;   // ADAPTER_STATUS and 30 name entries

std::string NetbiosError(char step, std::uint8_t code) {
  return std::string("Error ") + step + '#' + std::to_string(code);
}

std::string FormatWinVersion(const platform::OsVersion& v) {
  std::string text = std::to_string(v.major) + '.';
  if (v.minor < 10) text += '0';
  text += std::to_string(v.minor) + '.' + std::to_string(v.build & 0xFFFF) + v.servicePack;
  return text;
}

std::string WinFamilyText(std::uint32_t platformId) {
  switch (platformId) {
    case 0:
      return "Windows 3.1x (Win32s)";
    case 1:
      return "Windows 95/98/ME";
    case 2:
      return "Windows NT/2000/XP";
    default:
      return "Further OS (" + std::to_string(platformId) + ")";
  }
}

// A name or directory in its field of `chars` characters; the field stays all zero when the
// system cannot give it or it does not fit.
template <size_t N>
void ReadName(bool (*query)(std::string&, std::uint32_t), std::uint32_t chars, char (&field)[N]) {
  std::memset(field, 0, N);
  std::string text;
  if (query(text, chars) && text.size() < N)
    std::memcpy(field, text.data(), text.size());
}

std::string HostAddress() {
  const platform::NetSession net;
  if (!net.IsStarted()) return {};
  char host[64] = {};
  std::optional<std::string> address;
  if (platform::QueryHostName(host, sizeof host)) address = platform::ResolveFirstAddress(host);
  return address ? *address : std::string(1, '\0');
}

}  // namespace

bool GetOrvaneInfo(TOrvane& info) {
  info = TOrvane{};
  try {
    platform::OsVersion version;
    if (platform::QueryOsVersion(version)) {
      info.WinVersion = FormatWinVersion(version);
      info.WinFamily = WinFamilyText(version.platformId);
    }
    // The system is asked with the sizes the record was made for: the computer name with all 16
    // characters, the others with one less than their 260, so the last one always stays zero.
    ReadName(platform::QueryComputerName, 16, info.ComputerName);
    ReadName(platform::QueryUserName, 259, info.UserName);
    ReadName(platform::QueryTempPath, 259, info.TempDir);
    ReadName(platform::QueryWindowsDirectory, 259, info.WindowsDir);
    info.MACAddress = GetMacAddress("*", 1);
    info.IPAddress = HostAddress();
    return true;
  } catch (const std::exception&) {
    return false;  // e.g. out of memory: keep what was filled
  }
}

MacReading ReadMacAddress(const std::string& name) {
  MacReading reading;
  const auto fail = [&reading](char step, std::uint8_t code) {
    reading.failedStep = step;
    reading.code = code;
    return reading;
  };
  std::array<std::uint8_t, kLanaEnumSize> lanas{};
  platform::NetbiosRequest enumerate;
  enumerate.command = kNcbEnum;
  enumerate.buffer = lanas.data();
  enumerate.length = kLanaEnumSize;
  std::uint8_t code = platform::RunNetbios(enumerate);
  if (code != 0 || lanas[0] == 0) return fail('A', code);

  platform::NetbiosRequest reset;
  reset.command = kNcbReset;
  reset.lana = lanas[1];
  code = platform::RunNetbios(reset);
  if (code != 0) return fail('B', code);

  std::array<std::uint8_t, kAdapterStatusSize> status{};
  platform::NetbiosRequest adapterStatus;
  adapterStatus.command = kNcbAdapterStatus;
  adapterStatus.lana = lanas[1];
  std::memset(adapterStatus.callName, ' ', sizeof adapterStatus.callName);
  for (size_t i = 0; i < name.size() && i < sizeof adapterStatus.callName; ++i) {
    const char c = name[i];
    adapterStatus.callName[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  adapterStatus.buffer = status.data();
  adapterStatus.length = kAdapterStatusSize;
  code = platform::RunNetbios(adapterStatus);
  if (code != 0) return fail('C', code);
  std::memcpy(reading.bytes.data(), status.data(), reading.bytes.size());
  return reading;
}

std::string GetMacAddress(const std::string& name, std::uint8_t groupSize) {
  const MacReading reading = ReadMacAddress(name);
  if (reading.failedStep != 0) return NetbiosError(reading.failedStep, reading.code);
  std::string mac;
  for (int i = 0; i < 6; ++i) {
    AppendHex(mac, reading.bytes[i], 2);
    if (groupSize > 0 && (i + 1) % groupSize == 0 && i < 5) mac += '.';
  }
  return mac;
}

}  // namespace funclib
