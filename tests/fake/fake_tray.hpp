#pragma once
// The fake notification area: hidden windows with their callbacks and timers, and the icons the
// shell shows. Every call is logged in order; tests deliver messages and timer ticks themselves.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/tray.hpp"

namespace fake {

struct MessageWindow {
  std::string className;
  std::string title;
  platform::MessageCallback callback;
  std::map<std::uintptr_t, unsigned> timers;  // running timers: id, period in ms
};

struct NotifyCall {
  platform::NotifyIconAction action;
  platform::NotifyIconRecord record;
};

struct Tray {
  // Scripted.
  bool failWindows = false;  // CreateMessageWindow returns 0
  platform::PointerState pointer;
  std::uint32_t taskbarCreated = 0xC123;
  // Recorded.
  // Every call in order: "create <class> <title>", "destroy <class>", "add", "modify", "delete",
  // "timer <id> <ms>", "stop <id>", "foreground".
  std::vector<std::string> log;
  std::vector<NotifyCall> notifyCalls;
  std::map<platform::WindowHandle, MessageWindow> windows;  // the live windows
  std::set<std::string> classes;                            // the registered classes
  // What the notification area shows, by window and icon id.
  std::map<std::pair<platform::WindowHandle, std::uint32_t>, platform::NotifyIconRecord> icons;
  platform::WindowHandle nextWindow = 0x7000;
};

// Delivers a message to a live hidden window as the system would; false when there is none.
bool SendToWindow(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam = 0,
                  std::intptr_t lParam = 0);
// One period of timer `id` of the window: delivers its message if that timer runs, else false.
bool FireTimer(platform::WindowHandle window, std::uintptr_t id = 1);

}  // namespace fake
