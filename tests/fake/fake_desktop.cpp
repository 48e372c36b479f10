#include "tests/fake/fake_desktop.hpp"

#include "tests/fake/fake_platform.hpp"

namespace platform {

bool QueryCursorPos(ScreenPoint& out) {
  const auto& cursor = fake::Fake().desktop.cursor;
  if (!cursor) return false;
  out = *cursor;
  return true;
}

std::uint32_t QuerySysColor(int index) {
  fake::Fake().desktop.colourQueries.push_back(index);
  return 0x010101u * static_cast<std::uint32_t>(index);
}

}  // namespace platform
