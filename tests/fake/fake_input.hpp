#pragma once
// The fake keyboard, mouse and screen mode.
#include "platform/display.hpp"

namespace fake {

struct Input {
  int keyboardType = 4;  // IBM enhanced
  int functionKeys = 12;
  int mouseButtons = 3;
};

struct Display {
  platform::DisplayMode mode{1024, 768, 32, 60};
  int queries = 0;  // recorded
};

}  // namespace fake
