#include "tests/fake/fake_platform.hpp"

namespace fake {

Platform& Fake() {
  static Platform p;
  return p;
}

void ResetFake() { Fake() = Platform{}; }

}  // namespace fake

namespace platform {

FormatSettings GetFormatSettings() {
  ++fake::Fake().formatReads;
  return fake::Fake().format;
}

}  // namespace platform
