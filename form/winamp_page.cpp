// The Winamp page: the state of a running player, its seek bar and transport buttons. Nothing is
// kept between updates: each one finds the player's window again and asks it everything again.
// Every message waits at most kPlayerTimeoutMs, and a player that left one unanswered is not
// asked again for a second (PlayerGate), so a player that hangs never freezes this window.
#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <optional>

#include "form/orvane_form.hpp"
#include "funclib/text.hpp"
#include "platform/window.hpp"
#include "winamp/winamp_hdrs.hpp"

namespace {

// Kept short: a click that comes while a question waits for a hung player waits with it.
constexpr std::uint32_t kPlayerTimeoutMs = 200;
constexpr const char* kWinampError = "Error occured!";

platform::WindowHandle FindPlayer() { return platform::FindWindowOfClass(winamp::kWindowClass); }

std::optional<std::int32_t> AskPlayer(platform::WindowHandle player, std::int32_t wParam, std::int32_t lParam) {
  return platform::SendMessageWithin(player, winamp::kMsgIpc, wParam, lParam, kPlayerTimeoutMs);
}

// The answers of one update, asked in the order of kQueries.
struct PlayerReplies {
  std::int32_t version1, state, position, length, index, count, version2;
};

struct Query {
  std::int32_t PlayerReplies::*reply;
  std::int32_t wParam, lParam;
};

constexpr Query kQueries[] = {
    {&PlayerReplies::version1, 0, winamp::kIpcGetVersion},
    {&PlayerReplies::state, 0, winamp::kIpcIsPlaying},
    {&PlayerReplies::position, winamp::kTimePosition, winamp::kIpcGetOutputTime},
    {&PlayerReplies::length, winamp::kTimeLength, winamp::kIpcGetOutputTime},
    {&PlayerReplies::index, 0, winamp::kIpcGetListPos},
    {&PlayerReplies::count, 0, winamp::kIpcGetListLength},
    {&PlayerReplies::version2, 0, winamp::kIpcGetVersion},
};

// False as soon as one question goes unanswered; the rest are not asked.
bool AskAll(platform::WindowHandle player, PlayerReplies& r) {
  for (const Query& q : kQueries) {
    const std::optional<std::int32_t> reply = AskPlayer(player, q.wParam, q.lParam);
    if (!reply) return false;
    r.*q.reply = *reply;
  }
  return true;
}

void AppendTwoDigits(std::string& out, std::int64_t v) {
  out += static_cast<char>('0' + v / 10);
  out += static_cast<char>('0' + v % 10);
}

// "NN:SS": the minutes and seconds of the magnitude of a time in milliseconds; hours and
// milliseconds are dropped.
void AppendMinSec(std::string& out, std::int64_t ms) {
  const std::int64_t m = ms < 0 ? -ms : ms;  // ms comes from 32-bit replies: no overflow
  AppendTwoDigits(out, m / 60000 % 60);
  out += ':';
  AppendTwoDigits(out, m / 1000 % 60);
}

// Upper-case hexadecimal of the value's 32 bits, at least four digits.
void AppendHex4(std::string& out, std::uint32_t v) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  int shift = 28;
  while (shift > 12 && (v >> shift) == 0) shift -= 4;
  for (; shift >= 0; shift -= 4) out += kHex[(v >> shift) & 0xF];
}

}  // namespace

void TFormOrvane::UpdateWinampPage() {
  const platform::WindowHandle player = FindPlayer();
  if (!platform::IsExistingWindow(player)) {
    Winamp_Sheet.SetVisible(false);  // the panels keep their texts for when the player returns
    return;
  }
  Winamp_Sheet.SetVisible(true);
  if (!playerGate_.MayAsk(player)) return;  // it hung a moment ago: the page stays as it is
  auto set = [this](widgets::Panel& panel) {
    panel.SetCaption(text_);
    text_.clear();
  };
  // A question that goes unanswered because the player has just quit is no failure: the page
  // hides as it does when no player runs. Only a window that is still there but does not answer
  // marks the error.
  auto fail = [this, player] {
    playerGate_.Unanswered(player);
    if (platform::IsExistingWindow(player))
      Winamp_GrpBox.SetCaption(kWinampError);
    else
      Winamp_Sheet.SetVisible(false);
  };
  text_.clear();

  PlayerReplies r{};
  if (!AskAll(player, r)) return fail();

  text_ = funclib::FormatVersionHex(static_cast<std::uint16_t>(r.version2), true);
  text_ += "  ($";
  AppendHex4(text_, static_cast<std::uint32_t>(r.version1));
  text_ += ')';
  set(WaVers_Panel);

  // Whatever the other window writes, the text ends at the buffer's last byte.
  std::array<char, winamp::kCaptionSize> caption{};
  if (!platform::GetWindowCaptionWithin(player, caption.data(), caption.size(), kPlayerTimeoutMs)) return fail();
  caption.back() = '\0';
  const std::string_view w(caption.data());
  text_ = w;
  set(WaCaption_Panel);

  // The title: the caption without the entry number and the player's decorations, blanks kept.
  const std::int64_t entry = static_cast<std::int64_t>(r.index) + 1;
  text_ = w;
  const std::string number = std::to_string(entry) + ". ";
  for (std::string_view decoration : {std::string_view(number), std::string_view("- Winamp"), std::string_view(" ***"),
                                      std::string_view("[Paused]"), std::string_view("[Stopped]")})
    funclib::ReplaceSubstring(text_, decoration, {}, 1, 0);
  set(Song_Panel);

  // An unknown play state changes neither the text nor the buttons.
  switch (r.state) {
    case winamp::kStateStopped: CurAction_Panel.SetCaption("Not Playing"); break;
    case winamp::kStatePlaying: CurAction_Panel.SetCaption("Playing"); break;
    case winamp::kStatePaused: CurAction_Panel.SetCaption("Paused"); break;
    default: break;
  }
  // The three form one group that always keeps one down: only the one set down takes effect.
  Stop_SpdBtn.SetDown(r.state == winamp::kStateStopped);
  Play_SpdBtn.SetDown(r.state == winamp::kStatePlaying);
  Pause_SpdBtn.SetDown(r.state == winamp::kStatePaused);

  const std::int64_t lengthMs = static_cast<std::int64_t>(r.length) * 1000;
  AppendMinSec(text_, r.position);
  text_ += '/';
  AppendMinSec(text_, lengthMs);
  set(SongPos_Panel);

  text_ += std::to_string(entry);
  text_ += " / ";
  text_ += std::to_string(r.count);
  set(PLPos_Panel);

  // Progress in thousandths. No song (length 0) puts the bar at the start. The busy flag makes
  // the change event this raises a no-op.
  widgets::TrackBar& bar = Winamp_TrackBar;
  bar.SetTag(1);
  const std::int64_t progress = lengthMs != 0 ? static_cast<std::int64_t>(r.position) * 1000 / lengthMs : 0;
  bar.SetPosition(static_cast<int>(std::clamp<std::int64_t>(progress, bar.Min(), bar.Max())));
  bar.SetSelection(bar.SelStart(), bar.Position());
  bar.SetTag(0);
}

void TFormOrvane::WinampCtrl_Click(widgets::Control& sender, widgets::MouseButton, widgets::ShiftState shift, int,
                                   int) {
  const platform::WindowHandle player = FindPlayer();
  if (!platform::IsExistingWindow(player) || !playerGate_.MayAsk(player)) return;
  std::int64_t id = winamp::kCommandBase + sender.Tag();
  if (shift & widgets::ssCtrl) id += winamp::kCommandCtrl;
  if (shift & widgets::ssShift) id += winamp::kCommandShift;
  if (!platform::SendMessageWithin(player, winamp::kMsgCommand, static_cast<std::int32_t>(id), 0, kPlayerTimeoutMs))
    playerGate_.Unanswered(player);
}

void TFormOrvane::Winamp_TrackBar_Change(widgets::Control&) {
  widgets::TrackBar& bar = Winamp_TrackBar;
  if (bar.Tag() != 0) return;  // moved by the update, or a seek is under way
  const platform::WindowHandle player = FindPlayer();
  if (player == 0 || !playerGate_.MayAsk(player)) return;
  bar.SetTag(1);
  // Seconds times thousandths is the target in milliseconds, kept inside the message's range.
  if (const std::optional<std::int32_t> length = AskPlayer(player, winamp::kTimeLength, winamp::kIpcGetOutputTime)) {
    bar.SetSelection(bar.SelStart(), bar.Position());
    const std::int64_t target = std::clamp<std::int64_t>(static_cast<std::int64_t>(*length) * bar.Position(),
                                                         std::numeric_limits<std::int32_t>::min(),
                                                         std::numeric_limits<std::int32_t>::max());
    if (!AskPlayer(player, static_cast<std::int32_t>(target), winamp::kIpcJumpToTime)) playerGate_.Unanswered(player);
  } else {
    playerGate_.Unanswered(player);
  }
  bar.SetTag(0);
}
