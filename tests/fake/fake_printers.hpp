#pragma once
// The fake printers: the list the test installs; records which family each query asked for.
#include <vector>

#include "platform/printers.hpp"

namespace fake {

struct Printers {
  std::vector<platform::PrinterInfo> installed;
  std::vector<bool> queries;  // true: the NT family's query
};

}  // namespace fake
