#include "tests/fake/fake_dialogs.hpp"

#include "platform/dialogs.hpp"
#include "tests/fake/fake_platform.hpp"

namespace platform {

int RunMessageBox(WindowHandle owner, const std::string& text, const std::string& caption, std::uint32_t style) {
  fake::Dialogs& d = fake::Fake().dialogs;
  d.messageBoxes.push_back({owner, text, caption, style});
  return d.result;
}

}  // namespace platform
