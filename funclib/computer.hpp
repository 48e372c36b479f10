#pragma once
// Facts about this computer: names, directories, Windows version, IP and MAC address.
#include <array>
#include <cstdint>
#include <string>

#include "platform/utf.hpp"

namespace funclib {

// The computer-facts record. Each fixed array holds a zero-terminated UTF-8 text (read it with
// FixedText) and is all zero when the fact is unavailable. Its size is counted in characters, as
// the system counts them (16 for the computer name, 260 for the others, zero included); the
// array holds that many in any script.
struct TOrvane {
  char ComputerName[16 * platform::kMaxUtf8PerUtf16Unit] = {};
  char UserName[260 * platform::kMaxUtf8PerUtf16Unit] = {};
  char TempDir[260 * platform::kMaxUtf8PerUtf16Unit] = {};     // with its trailing backslash
  char WindowsDir[260 * platform::kMaxUtf8PerUtf16Unit] = {};
  std::string WinVersion;     // "10.00.19045", with the service pack appended when there is one
  std::string WinFamily;      // "Windows NT/2000/XP" and the like
  std::string IPAddress;      // dotted; empty when the network cannot start, the one character of
                              // code 0 when the host name resolves to nothing
  std::string MACAddress;     // GetMacAddress("*", 1)
};

// Fills `info` afresh. True when every step ran; false when one failed unexpectedly, with the
// fields before it filled.
bool GetOrvaneInfo(TOrvane& info);

// The MAC address of the first network adapter NetBIOS lists, as it reports it: the six bytes, or
// the step that failed ('A' enumeration, 'B' reset, 'C' adapter status; 0 none) and NetBIOS's
// return code. `name` as for GetMacAddress.
struct MacReading {
  std::array<std::uint8_t, 6> bytes{};
  char failedStep = 0;
  std::uint8_t code = 0;
};
MacReading ReadMacAddress(const std::string& name);

// The MAC address of the first network adapter NetBIOS lists, as upper-case hexadecimal byte
// pairs with a "." after every `groupSize` bytes (0: none). `name` (at most 16 characters, cut
// to 16) is the NetBIOS name asked; "*" is this computer. On failure "Error A#", "Error B#" or
// "Error C#" (enumeration, reset, adapter status) followed by NetBIOS's return code.
std::string GetMacAddress(const std::string& name, std::uint8_t groupSize);

}  // namespace funclib
