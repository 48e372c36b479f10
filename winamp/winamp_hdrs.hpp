#pragma once
// The message numbers of the Winamp player's window interface: what Orvane asks the player and
// the commands it sends. Constants only; Orvane and the stand-in player (tools/) share them.
#include <cstdint>

namespace winamp {

// The class of the player's main window.
inline constexpr char kWindowClass[] = "Winamp v1.x";

// Window messages (the system's numbers, spelled out so that no Windows header is needed).
inline constexpr std::uint32_t kMsgGetText = 13;   // WM_GETTEXT: the window caption
inline constexpr std::uint32_t kMsgCommand = 273;  // WM_COMMAND: a button of the player's own
inline constexpr std::uint32_t kMsgIpc = 1024;     // WM_USER: a question or order, chosen by lParam

// lParam of kMsgIpc.
inline constexpr std::int32_t kIpcGetVersion = 0;       // reply: the version number
inline constexpr std::int32_t kIpcIsPlaying = 104;      // reply: 1 playing, 3 paused, 0 not playing
inline constexpr std::int32_t kIpcGetOutputTime = 105;  // wParam kTimePosition or kTimeLength
inline constexpr std::int32_t kIpcJumpToTime = 106;     // wParam: target time in milliseconds
inline constexpr std::int32_t kIpcGetListLength = 124;  // reply: number of playlist entries
inline constexpr std::int32_t kIpcGetListPos = 125;     // reply: current entry, counted from 0

// wParam of kIpcGetOutputTime.
inline constexpr std::int32_t kTimePosition = 0;  // reply: position in the song, milliseconds
inline constexpr std::int32_t kTimeLength = 1;    // reply: length of the song, whole seconds

// Play states, the replies to kIpcIsPlaying.
inline constexpr std::int32_t kStateStopped = 0;
inline constexpr std::int32_t kStatePlaying = 1;
inline constexpr std::int32_t kStatePaused = 3;

// Command ids (wParam of kMsgCommand): kCommandBase + button (1 previous, 2 play, 3 pause,
// 4 stop, 5 next), plus kCommandCtrl and/or kCommandShift for the player's variants.
inline constexpr std::int32_t kCommandBase = 40043;
inline constexpr std::int32_t kCommandCtrl = 10;
inline constexpr std::int32_t kCommandShift = 100;

// Size of the caption buffer, its terminating zero included.
inline constexpr int kCaptionSize = 260;

}  // namespace winamp
