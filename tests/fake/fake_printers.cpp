#include "tests/fake/fake_printers.hpp"

#include "tests/fake/fake_platform.hpp"

namespace platform {

std::vector<PrinterInfo> EnumeratePrinters(bool ntFamily) {
  fake::Fake().printers.queries.push_back(ntFamily);
  return fake::Fake().printers.installed;
}

}  // namespace platform
