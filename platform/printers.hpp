#pragma once
// The printers installed for the user.
#include <string>
#include <vector>

namespace platform {

struct PrinterInfo {
  std::string name;
  std::string ports;  // comma-separated port list; only filled by the query of other families
};

// The installed printers. On the NT family: local printers and printer connections, by name. On
// other families: local printers with their port lists. Empty when there are none or the query
// fails.
std::vector<PrinterInfo> EnumeratePrinters(bool ntFamily);

}  // namespace platform
