#pragma once
// The fake player window: what it answers to each message, when it stops answering or goes away,
// and every message that reached it.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/types.hpp"

namespace fake {

struct PlayerMessage {
  std::uint32_t message = 0;
  std::int32_t wParam = 0;
  std::int32_t lParam = 0;  // for the caption: the buffer size
  std::uint32_t timeoutMs = 0;
  bool operator==(const PlayerMessage& o) const {
    return message == o.message && wParam == o.wParam && lParam == o.lParam;
  }
};

struct Player {
  // Scripted.
  bool running = false;  // a window of the player's class exists
  platform::WindowHandle handle = 0x4A11;
  std::int32_t version = 0x2081;
  std::int32_t state = 1;     // 1 playing, 3 paused, 0 not playing
  std::int32_t position = 0;  // ms
  std::int32_t length = 0;    // s
  std::int32_t index = 0;     // playlist entry, from 0
  std::int32_t count = 0;     // playlist entries
  // The caption as the window writes it: cut to the buffer's size, with no terminating zero when
  // it fills the buffer.
  std::string caption;
  // Messages answered before the window hangs; every later one times out. -1: never hangs.
  int answersBeforeHang = -1;
  // Messages answered before the window goes away (the player quits mid-update). -1: never.
  int answersBeforeQuit = -1;
  // Recorded: every message that reached the window, answered or not (the caption as message 13).
  std::vector<PlayerMessage> messages;
  int finds = 0;
};

}  // namespace fake
