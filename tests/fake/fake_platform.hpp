#pragma once
// The scriptable stand-in for the platform layer that the host unit tests link against. Tests set
// what the "system" answers in Fake() and read back what the program asked of it.
#include "platform/locale.hpp"

namespace fake {

struct Platform {
  platform::FormatSettings format;
};

// The one fake system of the test process.
Platform& Fake();
// Back to the defaults: an English locale, nothing recorded.
void ResetFake();

}  // namespace fake
