#include "tests/fake/fake_tray.hpp"

#include "tests/fake/fake_platform.hpp"

namespace fake {

bool SendToWindow(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  const auto it = Fake().tray.windows.find(window);
  if (it == Fake().tray.windows.end()) return false;
  // A copy: the handler may destroy the window, and with it the stored callback.
  const platform::MessageCallback callback = it->second.callback;
  if (callback) callback(message, wParam, lParam);
  return true;
}

bool FireTimer(platform::WindowHandle window, std::uintptr_t id) {
  const auto it = Fake().tray.windows.find(window);
  if (it == Fake().tray.windows.end() || !it->second.timers.count(id)) return false;
  return SendToWindow(window, platform::kTimerMessage, id, 0);
}

}  // namespace fake

namespace platform {

WindowHandle CreateMessageWindow(const std::string& className, const std::string& title, MessageCallback callback) {
  fake::Tray& t = fake::Fake().tray;
  t.log.push_back("create " + className + " " + title);
  t.classes.insert(className);
  if (t.failWindows) return 0;
  const WindowHandle window = t.nextWindow++;
  t.windows[window] = fake::MessageWindow{className, title, std::move(callback), {}};
  return window;
}

void DestroyMessageWindow(WindowHandle window, const std::string& className) {
  fake::Tray& t = fake::Fake().tray;
  t.log.push_back("destroy " + className);
  t.windows.erase(window);
  for (const auto& [handle, w] : t.windows)
    if (w.className == className) return;  // still in use: the class stays
  t.classes.erase(className);
}

bool StartWindowTimer(WindowHandle window, std::uintptr_t id, unsigned milliseconds) {
  fake::Tray& t = fake::Fake().tray;
  t.log.push_back("timer " + std::to_string(id) + " " + std::to_string(milliseconds));
  const auto it = t.windows.find(window);
  if (it == t.windows.end()) return false;
  it->second.timers[id] = milliseconds;
  return true;
}

void StopWindowTimer(WindowHandle window, std::uintptr_t id) {
  fake::Tray& t = fake::Fake().tray;
  t.log.push_back("stop " + std::to_string(id));
  if (const auto it = t.windows.find(window); it != t.windows.end()) it->second.timers.erase(id);
}

std::uint32_t TaskbarCreatedMessage() { return fake::Fake().tray.taskbarCreated; }

void BringToForeground(WindowHandle) { fake::Fake().tray.log.push_back("foreground"); }

PointerState QueryPointerState() { return fake::Fake().tray.pointer; }

bool NotifyIcon(NotifyIconAction action, const NotifyIconRecord& record) {
  fake::Tray& t = fake::Fake().tray;
  static constexpr const char* kNames[] = {"add", "modify", "delete"};
  t.log.push_back(kNames[static_cast<int>(action) % 3]);
  t.notifyCalls.push_back({action, record});
  const auto key = std::make_pair(record.hWnd, record.uID);
  const bool present = t.icons.count(key) != 0;
  switch (action) {
    case NotifyIconAction::Add:
    case NotifyIconAction::Modify:
      if (present == (action == NotifyIconAction::Add)) return false;
      fake::UseIcon(record.hIcon);  // the shell copies the icon now: it must be live
      t.icons[key] = record;
      return true;
    case NotifyIconAction::Delete:
      return t.icons.erase(key) != 0;
  }
  return false;
}

}  // namespace platform
