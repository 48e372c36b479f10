#include "tests/fake/fake_network.hpp"

#include <algorithm>
#include <cstring>

#include "platform/network.hpp"
#include "tests/fake/fake_platform.hpp"

namespace platform {

bool NetStartup() {
  fake::Network& n = fake::Fake().network;
  if (n.startupFails) return false;
  ++n.startups;
  return true;
}

void NetCleanup() { ++fake::Fake().network.cleanups; }

bool QueryHostName(char* buffer, int size) {
  const fake::Network& n = fake::Fake().network;
  if (!n.hostName || static_cast<int>(n.hostName->size()) + 1 > size) return false;
  std::memcpy(buffer, n.hostName->c_str(), n.hostName->size() + 1);
  return true;
}

std::optional<std::string> ResolveFirstAddress(const std::string& host) {
  fake::Network& n = fake::Fake().network;
  n.lookups.push_back(host);
  const auto it = n.addresses.find(host);
  if (it == n.addresses.end()) return std::nullopt;
  return it->second;
}

std::vector<std::string> ResolveAddresses(const std::string& host) {
  std::vector<std::string> all;
  if (const std::optional<std::string> first = ResolveFirstAddress(host)) all.push_back(*first);
  for (const std::string& more : fake::Fake().network.moreAddresses) all.push_back(more);
  return all;
}

std::uint8_t RunNetbios(const NetbiosRequest& request) {
  fake::Network& n = fake::Fake().network;
  n.netbios.push_back({request.command, request.lana, std::string(request.callName, 16), request.length});
  // Writes only what the request's buffer and length allow, like the system.
  auto put = [&](const std::vector<std::uint8_t>& bytes) {
    std::copy_n(bytes.begin(), std::min<size_t>(bytes.size(), request.length), request.buffer);
  };
  switch (request.command) {
    case 0x37: {  // enumerate: a count byte, then the adapter numbers
      if (n.enumCode != 0) return n.enumCode;
      std::vector<std::uint8_t> lanaEnum{static_cast<std::uint8_t>(n.lanas.size())};
      lanaEnum.insert(lanaEnum.end(), n.lanas.begin(), n.lanas.end());
      put(lanaEnum);
      return 0;
    }
    case 0x32:
      return n.resetCode;
    case 0x33:  // adapter status: the MAC address first
      if (n.statusCode != 0) return n.statusCode;
      put({n.mac.begin(), n.mac.end()});
      return 0;
    default:
      return 0x03;  // NRC_ILLCMD
  }
}

}  // namespace platform
