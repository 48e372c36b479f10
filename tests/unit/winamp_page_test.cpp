#include <functional>
#include <limits>

#include "tests/unit/orvane_fixture.hpp"
#include "winamp/winamp_hdrs.hpp"

namespace testing_orvane {
namespace {

using fake::PlayerMessage;
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

class WinampPage : public ::testing::Test {
 protected:
  void SetUp() override {
    fake::ResetFake();
    fake::Player& p = player();
    p.running = true;
    p.caption = "3. Artist - Title - Winamp";
    p.state = 1;
    p.position = 90'000;
    p.length = 180;
    p.index = 2;
    p.count = 12;
  }
  static fake::Player& player() { return fake::Fake().player; }
  void Update() { fake::Fake().clock.tickCount += 1000, f.TFormOrvane::UpdateWinampPage(); }  // 1 s apart
  // Messages that reached the player since the last call.
  std::vector<PlayerMessage> Sent() { return std::exchange(player().messages, {}); }
  // The last of them; message 0, which the page never sends, when nothing was sent.
  PlayerMessage LastSent() {
    const auto sent = Sent();
    return sent.empty() ? PlayerMessage{} : sent.back();
  }

  widgets::Application app;
  TFormOrvane f{app};
};

constexpr PlayerMessage Ipc(std::int32_t wParam, std::int32_t lParam) { return {winamp::kMsgIpc, wParam, lParam}; }

TEST_F(WinampPage, OneUpdateAsksEightQuestionsInOrderAndFillsThePage) {
  Update();
  EXPECT_EQ(Sent(), (std::vector<PlayerMessage>{Ipc(0, 0), Ipc(0, 104), Ipc(0, 105), Ipc(1, 105), Ipc(0, 125),
                                                Ipc(0, 124), Ipc(0, 0), {winamp::kMsgGetText, 260, 0}}))
      << "and no seek from the track bar's own move";
  EXPECT_TRUE(f.Winamp_Sheet.Visible());
  EXPECT_EQ(f.WaVers_Panel.Caption(), "v2.01  ($2081)");
  EXPECT_EQ(f.CurAction_Panel.Caption(), "Playing");
  EXPECT_EQ(f.WaCaption_Panel.Caption(), "3. Artist - Title - Winamp");
  EXPECT_EQ(f.Song_Panel.Caption(), "Artist - Title ");
  EXPECT_EQ(f.SongPos_Panel.Caption(), "01:30/03:00");
  EXPECT_EQ(f.PLPos_Panel.Caption(), "3 / 12");
  EXPECT_EQ(f.Winamp_TrackBar.Position(), 500);
  EXPECT_EQ(f.Winamp_TrackBar.SelEnd(), 500);
  EXPECT_EQ(f.Winamp_TrackBar.Tag(), 0);
  EXPECT_EQ(f.Winamp_GrpBox.Caption(), "Nullsoft Winamp");
}

TEST_F(WinampPage, EveryMessageWaitsOnlyAShortTime) {
  Update();
  f.Next_SpdBtn.MouseDown(widgets::MouseButton::Left, 0, 0, 0);
  f.Winamp_TrackBar.SetPosition(100);
  const auto sent = Sent();
  ASSERT_EQ(sent.size(), 11u);
  for (const auto& m : sent) EXPECT_TRUE(m.timeoutMs > 0 && m.timeoutMs <= 500) << m.timeoutMs;
}

TEST_F(WinampPage, SongTitleLosesEntryNumberAndDecorationsButKeepsBlanks) {
  struct Case {
    std::int32_t index;
    const char* caption;
    const char* title;
  };
  for (const Case& c : {Case{2, "3. Artist - Title - Winamp [Paused]", "Artist - Title  "},
                        Case{2, "3. Track 3. Remix - Winamp", "Track Remix "},
                        Case{0, "1. A *** [Stopped] - Winamp", "A  "},
                        Case{9, "10. 3. Ten", "3. Ten"}}) {
    player().index = c.index;
    player().caption = c.caption;
    Update();
    EXPECT_EQ(f.Song_Panel.Caption(), c.title) << c.caption;
    EXPECT_EQ(f.WaCaption_Panel.Caption(), c.caption);
  }
}

TEST_F(WinampPage, CaptionIsCutAt259CharactersWhateverThePlayerWrites) {
  player().caption = std::string(400, 'x');  // fills the whole buffer, no terminating zero
  Update();
  EXPECT_EQ(f.WaCaption_Panel.Caption(), std::string(259, 'x'));
}

TEST_F(WinampPage, PlayStateSetsTextAndOneButtonAndUnknownStatesChangeNeither) {
  player().state = 3;
  Update();
  EXPECT_EQ(f.CurAction_Panel.Caption(), "Paused");
  EXPECT_TRUE(f.Pause_SpdBtn.Down());
  EXPECT_FALSE(f.Play_SpdBtn.Down());
  for (std::int32_t unknown : {2, -1, 4}) {
    player().state = unknown;
    Update();
    EXPECT_EQ(f.CurAction_Panel.Caption(), "Paused") << unknown;
    EXPECT_TRUE(f.Pause_SpdBtn.Down()) << unknown;
    EXPECT_FALSE(f.Play_SpdBtn.Down() || f.Stop_SpdBtn.Down()) << unknown;
  }
  player().state = 0;
  Update();
  EXPECT_EQ(f.CurAction_Panel.Caption(), "Not Playing");
  EXPECT_TRUE(f.Stop_SpdBtn.Down());
  EXPECT_FALSE(f.Pause_SpdBtn.Down() || f.Play_SpdBtn.Down());
}

TEST_F(WinampPage, TimesAndProgressAtTheirBoundaries) {
  struct Case {
    std::int32_t position, length;
    const char* shown;
    int bar;
  };
  for (const Case& c : {Case{65 * 60'000 + 30'000, 7200, "05:30/00:00", 545},  // hours dropped
                        Case{125'999, 126, "02:05/02:06", 999},                // milliseconds dropped
                        Case{40 * 60'000, 3600, "40:00/00:00", 666},
                        Case{-1, -1, "00:00/00:01", 1},  // magnitudes
                        Case{-90'000, 180, "01:30/03:00", 0},
                        Case{kMax, 1, "31:23/00:01", 1000},  // no overflow; clamped to the bar
                        Case{kMin, -1, "31:23/00:01", 1000},
                        Case{kMax, kMax, "31:23/14:07", 1},
                        Case{kMin, kMin, "31:23/14:08", 1}}) {
    player().position = c.position;
    player().length = c.length;
    Update();
    EXPECT_EQ(f.SongPos_Panel.Caption(), c.shown) << c.position << " of " << c.length;
    EXPECT_EQ(f.Winamp_TrackBar.Position(), c.bar) << c.position << " of " << c.length;
    EXPECT_EQ(f.Winamp_TrackBar.SelEnd(), c.bar);
  }
}

TEST_F(WinampPage, NoSongPutsTheBarAtTheStartWithoutAnError) {
  Update();
  player().length = 0;
  Sent();
  Update();
  EXPECT_EQ(f.Winamp_TrackBar.Position(), 0);
  EXPECT_EQ(f.Winamp_TrackBar.SelEnd(), 0);
  EXPECT_EQ(f.SongPos_Panel.Caption(), "01:30/00:00");
  EXPECT_EQ(f.Winamp_GrpBox.Caption(), "Nullsoft Winamp");
  EXPECT_EQ(Sent().size(), 8u) << "the bar's move to 0 must not seek";
  f.Winamp_TrackBar.SetPosition(300);
  EXPECT_EQ(LastSent(), Ipc(0, 106)) << "seeking still works";
}

TEST_F(WinampPage, NumbersOutsideTheUsualRange) {
  player().version = -1;
  player().index = kMax;
  player().count = -5;
  Update();
  EXPECT_EQ(f.WaVers_Panel.Caption(), "vF.FF  ($FFFFFFFF)");
  EXPECT_EQ(f.PLPos_Panel.Caption(), "2147483648 / -5");
  player().version = 0x1234;
  player().index = 0;
  Update();
  EXPECT_EQ(f.WaVers_Panel.Caption(), "v1.24  ($1234)");
  // Below 0x1000 the hexadecimal in brackets keeps four digits.
  player().version = 0x0290;
  Update();
  EXPECT_EQ(f.WaVers_Panel.Caption(), "v.29  ($0290)");
  player().version = 0;
  Update();
  EXPECT_EQ(f.WaVers_Panel.Caption(), "v.00  ($0000)");
  EXPECT_EQ(f.PLPos_Panel.Caption(), "1 / -5");
}

TEST_F(WinampPage, ButtonsSendTheirCommandWithCtrlAndShiftVariants) {
  using widgets::MouseButton;
  struct Case {
    widgets::SpeedButton TFormOrvane::*button;
    MouseButton mouse;
    widgets::ShiftState shift;
    std::int32_t id;
  };
  for (const Case& c : {Case{&TFormOrvane::Next_SpdBtn, MouseButton::Left, widgets::ssCtrl | widgets::ssShift, 40158},
                        Case{&TFormOrvane::Next_SpdBtn, MouseButton::Left, widgets::ssCtrl, 40058},
                        Case{&TFormOrvane::Prev_SpdBtn, MouseButton::Right, widgets::ssRight, 40044},
                        Case{&TFormOrvane::Play_SpdBtn, MouseButton::Left, widgets::ssShift, 40145},
                        Case{&TFormOrvane::Stop_SpdBtn, MouseButton::Middle, widgets::ssAlt | widgets::ssMiddle, 40047},
                        Case{&TFormOrvane::Pause_SpdBtn, MouseButton::Left, widgets::ssLeft, 40046}}) {
    (f.*c.button).MouseDown(c.mouse, c.shift, 3, 4);
    EXPECT_EQ(Sent(), (std::vector<PlayerMessage>{{winamp::kMsgCommand, c.id, 0}})) << c.id;
  }
}

TEST_F(WinampPage, MovingTheBarSeeksToLengthTimesThousandths) {
  player().length = 200;
  f.Winamp_TrackBar.SetPosition(250);
  EXPECT_EQ(Sent(), (std::vector<PlayerMessage>{Ipc(1, 105), Ipc(50'000, 106)}));
  EXPECT_EQ(f.Winamp_TrackBar.SelEnd(), 250);
  EXPECT_EQ(f.Winamp_TrackBar.Tag(), 0);
  player().length = kMax;
  f.Winamp_TrackBar.SetPosition(1000);
  EXPECT_EQ(LastSent(), Ipc(kMax, 106)) << "clamped to the message's range";
  player().length = kMin;
  f.Winamp_TrackBar.SetPosition(2);
  EXPECT_EQ(LastSent(), Ipc(kMin, 106));
}

TEST_F(WinampPage, PlayerGoneHidesThePageAndSendsNothing) {
  Update();
  Sent();
  player().running = false;
  Update();
  EXPECT_FALSE(f.Winamp_Sheet.Visible());
  EXPECT_EQ(f.SongPos_Panel.Caption(), "01:30/03:00") << "texts stay for when the player returns";
  f.Next_SpdBtn.MouseDown(widgets::MouseButton::Left, 0, 0, 0);
  f.Winamp_TrackBar.SetPosition(100);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(f.Winamp_TrackBar.Tag(), 0);
  EXPECT_EQ(f.Winamp_GrpBox.Caption(), "Nullsoft Winamp");
  player().running = true;
  Update();
  EXPECT_TRUE(f.Winamp_Sheet.Visible());
}

TEST_F(WinampPage, APlayerThatQuitsDuringAnUpdateHidesThePageWithoutAnError) {
  player().answersBeforeQuit = 3;
  Update();
  EXPECT_EQ(Sent().size(), 3u);
  EXPECT_FALSE(f.Winamp_Sheet.Visible());
  EXPECT_EQ(f.Winamp_GrpBox.Caption(), "Nullsoft Winamp");
  EXPECT_EQ(f.Winamp_TrackBar.Tag(), 0);
}

TEST_F(WinampPage, AnUnansweredQuestionEndsTheUpdateWithTheErrorCaption) {
  player().answersBeforeHang = 3;  // the length question times out
  Update();
  EXPECT_EQ(Sent().size(), 4u) << "nothing more is asked after the time-out";
  EXPECT_EQ(f.Winamp_GrpBox.Caption(), "Error occured!");
  EXPECT_EQ(f.WaVers_Panel.Caption(), "n/a");
  EXPECT_EQ(f.Winamp_TrackBar.Tag(), 0);
  f.TFormOrvane::UpdateWinampPage();  // within the second: the player is left alone
  EXPECT_TRUE(Sent().empty());

  player().answersBeforeHang = 7;  // the caption times out: the version was already written
  Update();
  EXPECT_EQ(f.WaVers_Panel.Caption(), "v2.01  ($2081)");
  EXPECT_EQ(f.WaCaption_Panel.Caption(), "n/a");

  player().answersBeforeHang = 0;  // a seek whose length question times out sends no seek
  fake::Fake().clock.tickCount += 1000;
  f.Winamp_TrackBar.SetPosition(700);
  EXPECT_EQ(LastSent(), Ipc(1, 105));
  EXPECT_EQ(f.Winamp_TrackBar.Tag(), 0);

  player().answersBeforeHang = -1;
  Update();
  EXPECT_EQ(f.Song_Panel.Caption(), "Artist - Title ");
  EXPECT_EQ(f.Winamp_GrpBox.Caption(), "Error occured!") << "the error mark stays";
}

// A question that timed out closes the gate on that window for exactly a second, whoever asked it
// (an update, a transport click, a seek's length or its jump); meanwhile the page keeps what it
// shows and nothing is sent; another window (the player started again) is asked at once.
TEST_F(WinampPage, AHungPlayerIsLeftAloneForOneSecondWhoeverMetTheTimeOut) {
  std::uint64_t& now = fake::Fake().clock.tickCount;
  Update();
  Sent();
  const std::string shown = f.SongPos_Panel.Caption();
  const struct {
    const char* who;
    int answers;  // before the hang: the time-out comes at the next question
    std::function<void()> ask;
  } closers[] = {
      {"update", 2, [&] { f.TFormOrvane::UpdateWinampPage(); }},
      {"click", 0, [&] { f.Next_SpdBtn.MouseDown(widgets::MouseButton::Left, 0, 0, 0); }},
      {"seek's length", 0, [&] { f.Winamp_TrackBar.SetPosition(300); }},
      {"seek's jump", 1, [&] { f.Winamp_TrackBar.SetPosition(600); }},
  };
  for (const auto& c : closers) {
    now += 5000;
    player().answersBeforeHang = c.answers;
    c.ask();
    EXPECT_EQ(Sent().size(), static_cast<size_t>(c.answers) + 1) << c.who;
    player().answersBeforeHang = -1;  // answering again, but left alone until the second is over
    now += 999;
    f.TFormOrvane::UpdateWinampPage();
    f.Next_SpdBtn.MouseDown(widgets::MouseButton::Left, 0, 0, 0);
    f.Winamp_TrackBar.SetPosition(900);
    EXPECT_TRUE(Sent().empty()) << c.who << ": asked within the second";
    EXPECT_TRUE(f.Winamp_Sheet.Visible()) << c.who;
    EXPECT_EQ(f.SongPos_Panel.Caption(), shown) << c.who << ": the page keeps its contents";
    now += 1;
    f.TFormOrvane::UpdateWinampPage();
    EXPECT_EQ(Sent().size(), 8u) << c.who << ": asked again after a second";
  }
  // A player that quits and comes back within the second is another window: asked at once.
  now += 5000;
  player().answersBeforeHang = 0;
  f.TFormOrvane::UpdateWinampPage();
  Sent();
  player().answersBeforeHang = -1;
  player().handle += 2;
  now += 10;
  f.TFormOrvane::UpdateWinampPage();
  EXPECT_EQ(Sent().size(), 8u);
}

}  // namespace
}  // namespace testing_orvane
