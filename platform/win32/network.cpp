#include "platform/network.hpp"

#include <winsock2.h>
#include <windows.h>
#include <nb30.h>

#include <cstring>

namespace platform {

bool NetStartup() {
  WSADATA data;
  return WSAStartup(MAKEWORD(1, 1), &data) == 0;
}

void NetCleanup() { WSACleanup(); }

bool QueryHostName(char* buffer, int size) {
  if (size <= 0) return false;
  if (gethostname(buffer, size) != 0) return false;
  return std::memchr(buffer, '\0', static_cast<size_t>(size)) != nullptr;
}

std::optional<std::string> ResolveFirstAddress(const std::string& host) {
  const hostent* entry = gethostbyname(host.c_str());
  if (!entry || entry->h_addrtype != AF_INET || entry->h_length != sizeof(in_addr) ||
      !entry->h_addr_list || !entry->h_addr_list[0]) {
    return std::nullopt;
  }
  in_addr address;
  std::memcpy(&address, entry->h_addr_list[0], sizeof address);
  const char* text = inet_ntoa(address);
  if (!text) return std::nullopt;
  return std::string(text);
}

std::vector<std::string> ResolveAddresses(const std::string& host) {
  std::vector<std::string> addresses;
  const hostent* entry = gethostbyname(host.c_str());
  if (!entry || entry->h_addrtype != AF_INET || entry->h_length != sizeof(in_addr) || !entry->h_addr_list)
    return addresses;
  for (char** item = entry->h_addr_list; *item; ++item) {
    in_addr address;
    std::memcpy(&address, *item, sizeof address);
    if (const char* text = inet_ntoa(address)) addresses.emplace_back(text);
  }
  return addresses;
}

std::uint8_t RunNetbios(const NetbiosRequest& request) {
  NCB ncb{};
  ncb.ncb_command = request.command;
  ncb.ncb_lana_num = request.lana;
  std::memcpy(ncb.ncb_callname, request.callName, sizeof ncb.ncb_callname);
  ncb.ncb_buffer = request.buffer;
  ncb.ncb_length = request.length;
  return Netbios(&ncb);
}

}  // namespace platform
