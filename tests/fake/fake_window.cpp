#include "platform/window.hpp"
#include "tests/fake/fake_platform.hpp"

namespace platform {

bool SetWindowTopmost(WindowHandle window, bool topmost) {
  fake::Fake().topmostCalls.emplace_back(window, topmost);
  return true;
}

}  // namespace platform
