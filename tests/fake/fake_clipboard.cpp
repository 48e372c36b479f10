#include "tests/fake/fake_clipboard.hpp"

#include "platform/clipboard.hpp"
#include "tests/fake/fake_platform.hpp"

namespace {

fake::Clipboard& Clip() {
  fake::Clipboard& c = fake::Fake().clipboard;
  if (!c.open) ++c.callsWhileClosed;
  return c;
}

}  // namespace

namespace platform {

bool ClipboardOpen(WindowHandle owner) {
  fake::Clipboard& c = fake::Fake().clipboard;
  if (c.busy || c.open) return false;
  c.open = true;
  c.owner = owner;
  ++c.opens;
  return true;
}

void ClipboardClose() {
  fake::Clipboard& c = Clip();
  c.open = false;
  ++c.closes;
}

bool ClipboardHasText() { return Clip().block.has_value(); }

std::string ClipboardReadTextBlock() {
  const fake::Clipboard& c = Clip();
  return c.block && !c.handsOutNoData ? *c.block : std::string();
}

bool ClipboardWriteText(const std::string& text) {
  fake::Clipboard& c = Clip();
  if (c.refusesWrites) return false;
  c.block = text + '\0';
  c.written.push_back(text);
  return true;
}

bool ClipboardEmpty() {
  fake::Clipboard& c = Clip();
  if (c.emptyFails) return false;
  c.block.reset();
  return true;
}

}  // namespace platform
