#include "tests/fake/fake_input.hpp"

#include "platform/input.hpp"
#include "tests/fake/fake_platform.hpp"

namespace platform {

int QueryKeyboardType() { return fake::Fake().input.keyboardType; }

int QueryFunctionKeyCount() { return fake::Fake().input.functionKeys; }

int QueryMouseButtonCount() { return fake::Fake().input.mouseButtons; }

DisplayMode QueryDisplayMode() {
  ++fake::Fake().display.queries;
  return fake::Fake().display.mode;
}

}  // namespace platform
