#include <algorithm>
#include <cstring>

#include "platform/utf.hpp"
#include "platform/window.hpp"
#include "tests/fake/fake_platform.hpp"
#include "winamp/winamp_hdrs.hpp"

namespace platform {

bool SetWindowTopmost(WindowHandle window, bool topmost) {
  fake::Fake().topmostCalls.emplace_back(window, topmost);
  return true;
}

WindowHandle FindWindowOfClass(const char* className) {
  fake::Player& p = fake::Fake().player;
  ++p.finds;
  return p.running && std::strcmp(className, winamp::kWindowClass) == 0 ? p.handle : 0;
}

bool IsExistingWindow(WindowHandle window) {
  const fake::Player& p = fake::Fake().player;
  return p.running && window == p.handle;
}

namespace {

// Records the message; false when the window is gone or does not answer.
bool Reaches(WindowHandle window, const fake::PlayerMessage& m) {
  fake::Player& p = fake::Fake().player;
  if (p.answersBeforeQuit == 0) p.running = false;
  if (!IsExistingWindow(window)) return false;
  if (p.answersBeforeQuit > 0) --p.answersBeforeQuit;
  p.messages.push_back(m);
  if (p.answersBeforeHang == 0) return false;
  if (p.answersBeforeHang > 0) --p.answersBeforeHang;
  return true;
}

}  // namespace

std::optional<std::int32_t> SendMessageWithin(WindowHandle window, std::uint32_t message, std::int32_t wParam,
                                              std::int32_t lParam, std::uint32_t timeoutMs) {
  if (!Reaches(window, {message, wParam, lParam, timeoutMs})) return std::nullopt;
  const fake::Player& p = fake::Fake().player;
  if (message != winamp::kMsgIpc) return 0;
  switch (lParam) {
    case winamp::kIpcGetVersion: return p.version;
    case winamp::kIpcIsPlaying: return p.state;
    case winamp::kIpcGetOutputTime: return wParam == winamp::kTimeLength ? p.length : p.position;
    case winamp::kIpcGetListPos: return p.index;
    case winamp::kIpcGetListLength: return p.count;
    default: return 0;
  }
}

bool GetWindowCaptionWithin(WindowHandle window, std::string& caption, std::size_t maxChars, std::uint32_t timeoutMs) {
  caption.clear();
  if (!Reaches(window, {winamp::kMsgGetText, static_cast<std::int32_t>(maxChars), 0, timeoutMs})) return false;
  // The player writes into a buffer of maxChars UTF-16 units; the last one ends the text.
  const std::u16string units = Utf8ToUtf16<char16_t>(fake::Fake().player.caption);
  caption = Utf16ToUtf8(units.c_str(), maxChars == 0 ? 0 : maxChars - 1);
  return true;
}

}  // namespace platform
