#pragma once
// The Winamp page's steps that need no window: the player's replies to one update and their texts.
#include <cstdint>
#include <string>
#include <string_view>

// The answers of one update, in the order they are asked.
struct PlayerReplies {
  std::int32_t version1 = 0, state = 0, position = 0, length = 0, index = 0, count = 0, version2 = 0;
};

class PlayerGate;

// What one update learnt of the player.
struct PlayerFacts {
  bool running = false;      // a player window was found
  bool held = false;         // but the gate said not to ask it now
  bool answered = false;     // it answered every question
  bool captionRead = false;  // and gave its caption
  bool stillThere = false;   // after a question went unanswered: its window still exists
  PlayerReplies replies;
  std::string caption;
};

// Finds the player and asks it everything; stops at the first question it leaves unanswered.
// With a gate, a player the gate holds back is not asked, and one that leaves a question
// unanswered is reported to the gate.
PlayerFacts ProbePlayer(PlayerGate* gate = nullptr);

// The page's texts of one set of replies. `action` is empty for a play state the page does not
// know; `progress` is the position in thousandths of the song (0 with no song), not clamped.
struct PlayerRows {
  std::string version, action, caption, title, position, playlist;
  std::int64_t progress = 0;
};
PlayerRows FormatPlayerRows(const PlayerReplies& r, std::string_view caption);
