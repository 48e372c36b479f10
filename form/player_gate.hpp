#pragma once
// Leaves a player that has just failed to answer alone for a while: for kQuietMs after a question
// that timed out, that window is asked nothing, then it is asked again. A player that keeps
// hanging so holds up our window for at most one time-out per second.
#include <cstdint>

#include "platform/clock.hpp"
#include "platform/types.hpp"
#include "platform/window.hpp"

class PlayerGate {
 public:
  static constexpr std::uint64_t kQuietMs = 1000;

  // Whether that player window may be asked now. Another window (a player started again) may.
  bool MayAsk(platform::WindowHandle player) const {
    // Unsigned: a tick count that started again from zero opens the gate at once.
    return player != quiet_ || platform::QueryTickCount() - since_ >= kQuietMs;
  }

  // A question went unanswered. A window that has gone was no time-out: nothing to wait for.
  void Unanswered(platform::WindowHandle player) {
    if (!platform::IsExistingWindow(player)) return;
    quiet_ = player;
    since_ = platform::QueryTickCount();
  }

 private:
  platform::WindowHandle quiet_ = 0;
  std::uint64_t since_ = 0;
};
