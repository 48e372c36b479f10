#pragma once
// The fake network: host name and address lookup, and a NetBIOS with one scripted adapter.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace fake {

struct NetbiosCall {
  std::uint8_t command = 0;
  std::uint8_t lana = 0;
  std::string callName;  // all 16 bytes
  std::uint16_t length = 0;
};

struct Network {
  // Scripted.
  bool startupFails = false;
  std::optional<std::string> hostName = "orvane-pc";  // nothing: the call fails
  std::map<std::string, std::string> addresses = {{"orvane-pc", "192.168.1.20"}};
  std::vector<std::string> moreAddresses;  // what a full lookup gives after the first
  std::uint8_t enumCode = 0;   // return codes of the three NetBIOS requests
  std::uint8_t resetCode = 0;
  std::uint8_t statusCode = 0;
  std::vector<std::uint8_t> lanas = {3};  // the adapter numbers enumerated
  std::array<std::uint8_t, 6> mac = {0x00, 0x0C, 0x29, 0x1A, 0x2B, 0x3C};
  // Recorded.
  int startups = 0;
  int cleanups = 0;
  std::vector<std::string> lookups;
  std::vector<NetbiosCall> netbios;
};

}  // namespace fake
