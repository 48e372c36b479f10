// The Winamp page: the state of a running player, its seek bar and transport buttons. Nothing is
// kept between updates: each one finds the player's window again and asks it everything again.
// Every message waits at most kPlayerTimeoutMs, and a player that left one unanswered is not
// asked again for a second (PlayerGate), so a player that hangs never freezes this window.
#include "form/winamp_page.hpp"

#include <algorithm>
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

// "NN:SS": the minutes and seconds of the magnitude of a time in milliseconds; hours and
// milliseconds are dropped.
void AppendMinSec(std::string& out, std::int64_t ms) {
  const std::int64_t m = ms < 0 ? -ms : ms;  // ms comes from 32-bit replies: no overflow
  funclib::AppendTwoDigits(out, static_cast<std::uint64_t>(m / 60000 % 60));
  out += ':';
  funclib::AppendTwoDigits(out, static_cast<std::uint64_t>(m / 1000 % 60));
}

}  // namespace

PlayerFacts ProbePlayer(PlayerGate* gate) {
  PlayerFacts f;
  const platform::WindowHandle player = FindPlayer();
  f.running = platform::IsExistingWindow(player);
  if (!f.running) return f;
  f.held = gate && !gate->MayAsk(player);
  if (f.held) return f;
  f.answered = AskAll(player, f.replies);
  if (f.answered) {
    // Whatever the other window writes, the text ends at the buffer's last character.
    f.captionRead = platform::GetWindowCaptionWithin(player, f.caption, winamp::kCaptionSize, kPlayerTimeoutMs);
  }
  if (!f.answered || !f.captionRead) {
    f.stillThere = platform::IsExistingWindow(player);
    if (gate) gate->Unanswered(player);
  }
  return f;
}

PlayerRows FormatPlayerRows(const PlayerReplies& r, std::string_view caption) {
  PlayerRows rows;
  rows.version = funclib::FormatVersionHex(static_cast<std::uint16_t>(r.version2), true);
  rows.version += "  ($";
  funclib::AppendHex(rows.version, static_cast<std::uint32_t>(r.version1), 4);
  rows.version += ')';
  rows.caption = caption;

  // The title: the caption without the entry number and the player's decorations, blanks kept.
  const std::int64_t entry = static_cast<std::int64_t>(r.index) + 1;
  rows.title = caption;
  const std::string number = std::to_string(entry) + ". ";
  for (std::string_view decoration : {std::string_view(number), std::string_view("- Winamp"), std::string_view(" ***"),
                                      std::string_view("[Paused]"), std::string_view("[Stopped]")})
    funclib::ReplaceSubstring(rows.title, decoration, {}, 1, 0);

  switch (r.state) {
    case winamp::kStateStopped: rows.action = "Not Playing"; break;
    case winamp::kStatePlaying: rows.action = "Playing"; break;
    case winamp::kStatePaused: rows.action = "Paused"; break;
    default: break;
  }

  const std::int64_t lengthMs = static_cast<std::int64_t>(r.length) * 1000;
  AppendMinSec(rows.position, r.position);
  rows.position += '/';
  AppendMinSec(rows.position, lengthMs);

  rows.playlist = std::to_string(entry) + " / " + std::to_string(r.count);
  rows.progress = lengthMs != 0 ? static_cast<std::int64_t>(r.position) * 1000 / lengthMs : 0;
  return rows;
}

void TFormOrvane::UpdateWinampPage() {
  const PlayerFacts f = ProbePlayer(&playerGate_);
  if (!f.running) {
    Winamp_Sheet.SetVisible(false);  // the panels keep their texts for when the player returns
    return;
  }
  Winamp_Sheet.SetVisible(true);
  if (f.held) return;  // it hung a moment ago: the page stays as it is
  // A question that goes unanswered because the player has just quit is no failure: the page
  // hides as it does when no player runs. Only a window that is still there but does not answer
  // marks the error.
  auto fail = [this, &f] {
    if (f.stillThere)
      Winamp_GrpBox.SetCaption(kWinampError);
    else
      Winamp_Sheet.SetVisible(false);
  };
  if (!f.answered) return fail();

  const PlayerRows rows = FormatPlayerRows(f.replies, f.caption);
  WaVers_Panel.SetCaption(rows.version);
  if (!f.captionRead) return fail();
  WaCaption_Panel.SetCaption(rows.caption);
  Song_Panel.SetCaption(rows.title);

  // An unknown play state changes neither the text nor the buttons.
  if (!rows.action.empty()) CurAction_Panel.SetCaption(rows.action);
  // The three form one group that always keeps one down: only the one set down takes effect.
  Stop_SpdBtn.SetDown(f.replies.state == winamp::kStateStopped);
  Play_SpdBtn.SetDown(f.replies.state == winamp::kStatePlaying);
  Pause_SpdBtn.SetDown(f.replies.state == winamp::kStatePaused);

  SongPos_Panel.SetCaption(rows.position);
  PLPos_Panel.SetCaption(rows.playlist);

  // Progress in thousandths; the busy flag makes the change event this raises a no-op.
  widgets::TrackBar& bar = Winamp_TrackBar;
  bar.SetTag(1);
  bar.SetPosition(static_cast<int>(std::clamp<std::int64_t>(rows.progress, bar.Min(), bar.Max())));
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
