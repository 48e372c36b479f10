#pragma once
// The fake fonts: handles handed out and freed.
#include <vector>

#include "platform/types.hpp"

namespace fake {

struct Fonts {
  platform::FontHandle nextFont = 0x7000;
  std::vector<platform::FontHandle> created, destroyed;
};

}  // namespace fake
