#pragma once
// The fake desktop: a scripted mouse position, and system colour c answers 0x010101 * c.
#include <optional>
#include <vector>

#include "platform/desktop.hpp"

namespace fake {

struct Desktop {
  std::optional<platform::ScreenPoint> cursor = platform::ScreenPoint{};  // nothing: the read fails
  std::vector<int> colourQueries;  // recorded: every colour index asked for
};

}  // namespace fake
