#pragma once
// What the report's writers share: integers in decimal and the player's state by name.
#include <cstdint>
#include <string>

// Appends `value` in decimal, with a minus sign when negative; no grouping, any locale.
void AppendInt(std::string& out, std::int64_t value);
// The player's state as the typed report names it: "playing", "paused", "stopped", or nullptr for
// a state the player does not define.
const char* PlayState(std::int32_t state);
