#pragma once
// The host's name and address (sockets) and NetBIOS requests.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Starts the sockets library asking for version 1.1; false when it refuses.
bool NetStartup();
// Ends what a successful NetStartup began.
void NetCleanup();

// Keeps the sockets library started for one scope.
class NetSession {
 public:
  NetSession() : started_(NetStartup()) {}
  ~NetSession() {
    if (started_) NetCleanup();
  }
  NetSession(const NetSession&) = delete;
  NetSession& operator=(const NetSession&) = delete;

  bool IsStarted() const { return started_; }

 private:
  bool started_;
};

// This computer's host name, zero-terminated in `buffer`; false when it fails or does not fit.
bool QueryHostName(char* buffer, int size);
// The dotted IPv4 address of the first address that a lookup of `host` gives; nothing when the
// lookup gives no host entry or no address.
std::optional<std::string> ResolveFirstAddress(const std::string& host);

// The dotted IPv4 addresses that a lookup of `host` gives, in its order; none when it gives none.
std::vector<std::string> ResolveAddresses(const std::string& host);

// One NetBIOS request: the fields of a network control block that are not zero. The call name is
// the 16 bytes as sent (no terminating zero).
struct NetbiosRequest {
  std::uint8_t command = 0;
  std::uint8_t lana = 0;
  char callName[16] = {};
  std::uint8_t* buffer = nullptr;
  std::uint16_t length = 0;
};

// Runs the request synchronously; returns NetBIOS's return code (0 success).
std::uint8_t RunNetbios(const NetbiosRequest& request);

}  // namespace platform
