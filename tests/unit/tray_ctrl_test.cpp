// The tray component against the fake notification area: what reaches the shell, the events the
// mouse on the icon raises, blinking and cycling on the timer, and that no icon handle is lost.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/fake/fake_platform.hpp"
#include "tray/tray_ctrl.hpp"

namespace {

using platform::IconHandle;
using platform::NotifyIconAction;

constexpr std::uint32_t kLDown = 0x201, kLUp = 0x202, kLDbl = 0x203, kRDown = 0x204, kRUp = 0x205, kMove = 0x200;

class TrayCtrl : public ::testing::Test {
 protected:
  TrayCtrl() {
    fake::ResetFake();
    tray = std::make_unique<TTrayCtrl>(app);
  }
  ~TrayCtrl() override {
    tray.reset();
    list.reset();
    EXPECT_TRUE(icons.misusedIcons.empty()) << "an icon was used after it was destroyed, or destroyed twice";
  }

  // The mouse on the icon, as the shell reports it.
  void Mouse(std::uint32_t message) { fake::SendToWindow(tray->Handle(), kTrayCallbackMessage, 0, message); }
  const platform::NotifyIconRecord& Last() const { return shell.notifyCalls.back().record; }
  // The icon the shell was last given, traced back to the icon it was copied from.
  IconHandle Shown() const { return fake::OriginalIcon(Last().hIcon); }
  std::string Tip() const { return Last().szTip; }
  // An image list with three icons; returns their originals.
  std::vector<IconHandle> MakeList() {
    list = std::make_unique<widgets::ImageList>();
    std::vector<IconHandle> originals;
    for (int i = 0; i < 3; ++i) {
      originals.push_back(fake::MakeIcon());
      list->AddIcon(originals.back());
      platform::DestroyIconHandle(originals.back());  // the list keeps its own copy
    }
    return originals;
  }

  widgets::Application app;
  fake::Tray& shell = fake::Fake().tray;
  fake::Files& icons = fake::Fake().files;
  std::unique_ptr<widgets::ImageList> list;
  std::unique_ptr<TTrayCtrl> tray;
};

TEST_F(TrayCtrl, AnIconReplacedByNoneIsFreedAtOnce) {
  for (auto set : {&TTrayCtrl::SetIcon, &TTrayCtrl::SetIconDisabled}) {
    const IconHandle source = fake::MakeIcon();
    (tray.get()->*set)(source);
    platform::DestroyIconHandle(source);
    ASSERT_EQ(icons.liveIcons.size(), 1u) << "the component's own copy";
    (tray.get()->*set)(0);
    EXPECT_TRUE(icons.liveIcons.empty()) << "the copy is freed when the component drops it";
  }
}

TEST_F(TrayCtrl, LivesInItsHiddenWindowAndLeavesNothingBehind) {
  ASSERT_EQ(shell.log, std::vector<std::string>{"create KvTrayCtrlClass Kelvo Tray Controller v1.3"})
      << "the icon is not added before Visible";
  const IconHandle source = fake::MakeIcon();
  tray->SetIcon(source);
  platform::DestroyIconHandle(source);  // the component keeps its own copy
  tray->SetHint("Kelvo Orvane v1.61 beta");
  tray->SetVisible(true);
  ASSERT_EQ(shell.icons.size(), 1u);
  const platform::NotifyIconRecord& r = shell.icons.begin()->second;
  EXPECT_EQ(r.cbSize, 88u);
  EXPECT_EQ(r.hWnd, tray->Handle());
  EXPECT_EQ(r.uID, 0u);
  EXPECT_EQ(r.uFlags, 7u);
  EXPECT_EQ(r.uCallbackMessage, 1025u);
  EXPECT_EQ(fake::OriginalIcon(r.hIcon), source);
  EXPECT_STREQ(r.szTip, "Kelvo Orvane v1.61 beta");

  shell.log.clear();
  tray.reset();  // still visible
  EXPECT_EQ(shell.log, (std::vector<std::string>{"delete", "destroy KvTrayCtrlClass"}));
  EXPECT_TRUE(shell.icons.empty());
  EXPECT_TRUE(shell.windows.empty());
  EXPECT_TRUE(shell.classes.empty());
  EXPECT_TRUE(icons.liveIcons.empty());
}

TEST_F(TrayCtrl, HintIsCutTo64AndTheTooltipTo63) {
  const std::string seventy(70, 'h');
  tray->SetHint(seventy);
  EXPECT_EQ(tray->Hint(), seventy.substr(0, 64));
  EXPECT_EQ(Tip(), seventy.substr(0, 63));
  const size_t calls = shell.notifyCalls.size();
  tray->SetBlinkIcon(true);
  const auto phase = tray->Tag();
  const size_t afterBlink = shell.notifyCalls.size();
  tray->SetHint(seventy);  // the same 64 characters once cut
  tray->SetHint(seventy.substr(0, 64));
  EXPECT_EQ(shell.notifyCalls.size(), afterBlink) << "the same hint again refreshes nothing";
  EXPECT_EQ(tray->Tag(), phase);
  EXPECT_GT(afterBlink, calls);
}

TEST_F(TrayCtrl, HintReachesTheTooltipWhateverShowHintSays) {
  tray->SetShowHint(false);
  EXPECT_EQ(Tip(), "");
  tray->SetHint("Kelvo Orvane v1.61 beta");
  EXPECT_EQ(Tip(), "Kelvo Orvane v1.61 beta");
  tray->SetShowHint(false);
  EXPECT_EQ(Tip(), "") << "ShowHint false empties the tooltip even when it was false already";
  const size_t calls = shell.notifyCalls.size();
  tray->SetShowHint(false);
  EXPECT_EQ(shell.notifyCalls.size(), calls) << "nothing left to change";
  tray->SetShowHint(true);
  EXPECT_EQ(Tip(), "Kelvo Orvane v1.61 beta");
  tray->SetHint("");
  EXPECT_EQ(Tip(), "");
}

TEST_F(TrayCtrl, DisabledShowsTheDisabledIconAndIgnoresTheMouse) {
  const IconHandle normal = fake::MakeIcon(), disabled = fake::MakeIcon();
  tray->SetIcon(normal);
  tray->SetIconDisabled(disabled);
  widgets::PopupMenu menu;
  menu.SetTrackButton(widgets::TrackButton::Left);
  tray->SetPopupMenu(&menu);
  int events = 0;
  tray->OnClick = tray->OnDblClick = [&](widgets::Component&) { ++events; };
  tray->OnMouseDown = tray->OnMouseUp = [&](widgets::Component&, widgets::MouseButton, widgets::ShiftState, int,
                                            int) { ++events; };
  tray->OnMouseMove = [&](widgets::Component&, widgets::ShiftState, int, int) { ++events; };
  tray->SetEnabled(false);
  EXPECT_EQ(Shown(), disabled);
  shell.log.clear();
  for (std::uint32_t m : {kMove, kLDown, kLUp, kLDbl, kRDown, kRUp}) Mouse(m);
  EXPECT_EQ(events, 0);
  EXPECT_TRUE(shell.log.empty()) << "no menu";
  const auto originals = MakeList();
  tray->SetIconList(list.get());
  tray->SetUseIconList(true);
  EXPECT_EQ(Shown(), originals[0]) << "the image list wins over the disabled icon";
  tray->SetEnabled(true);
  Mouse(kLUp);
  EXPECT_EQ(events, 2);
  platform::DestroyIconHandle(normal);
  platform::DestroyIconHandle(disabled);
}

TEST_F(TrayCtrl, MouseEventsComeInTheShellsOrderWithPointerAndKeys) {
  std::vector<std::string> log;
  tray->OnMouseDown = [&](widgets::Component& s, widgets::MouseButton b, widgets::ShiftState sh, int x, int y) {
    EXPECT_EQ(&s, tray.get());
    log.push_back("down" + std::to_string(static_cast<int>(b)) + " " + std::to_string(sh) + " " +
                  std::to_string(x) + "," + std::to_string(y));
  };
  tray->OnMouseUp = [&](widgets::Component&, widgets::MouseButton b, widgets::ShiftState, int, int) {
    log.push_back("up" + std::to_string(static_cast<int>(b)));
  };
  tray->OnClick = [&](widgets::Component&) { log.push_back("click"); };
  tray->OnDblClick = [&](widgets::Component&) { log.push_back("dbl"); };
  shell.pointer = {640, 480, true, true, false};
  for (std::uint32_t m : {kLDown, kLUp, kLDbl, kLUp}) Mouse(m);
  EXPECT_EQ(log, (std::vector<std::string>{"down0 13 640,480", "up0", "click", "dbl", "up0", "click"}));

  log.clear();
  shell.log.clear();
  Mouse(kMove);  // no OnMouseMove: nothing at all
  Mouse(0x206);  // right double-click: no event
  EXPECT_TRUE(log.empty());
  shell.pointer = {};
  tray->OnMouseMove = [&](widgets::Component&, widgets::ShiftState sh, int, int) {
    log.push_back("move " + std::to_string(sh));
  };
  Mouse(kMove);
  Mouse(0x207);
  EXPECT_EQ(log, (std::vector<std::string>{"move 8", "down2 32 0,0"})) << "a move carries the left button";
}

TEST_F(TrayCtrl, RightClickTracksTheMenuBeforeMouseUpAndNeverClicks) {
  std::vector<std::string> log;
  widgets::PopupMenu menu;
  menu.OnPopup = [&](widgets::Component&) { log.push_back("menu"); };
  tray->SetPopupMenu(&menu);
  tray->OnMenuPopup = [&](widgets::Component&) {
    EXPECT_EQ(menu.PopupComponent, tray.get());
    log.push_back("OnMenuPopup");
  };
  tray->OnMouseDown = [&](widgets::Component&, widgets::MouseButton, widgets::ShiftState, int, int) {
    log.push_back("down");
  };
  tray->OnMouseUp = [&](widgets::Component&, widgets::MouseButton, widgets::ShiftState, int, int) {
    log.push_back("up");
  };
  tray->OnClick = [&](widgets::Component&) { log.push_back("click"); };
  Mouse(kRDown);
  EXPECT_EQ(shell.log.back(), "create KvTrayCtrlClass Kelvo Tray Controller v1.3");
  Mouse(kRUp);
  EXPECT_EQ(shell.log.back(), "foreground") << "the menu's owner comes to the front first";
  EXPECT_EQ(log, (std::vector<std::string>{"down", "OnMenuPopup", "menu", "up"}));

  log.clear();
  Mouse(kLUp);  // the menu tracks the right button
  menu.AutoPopup = false;
  Mouse(kRUp);
  EXPECT_EQ(log, (std::vector<std::string>{"up", "click", "up"}));
}

TEST_F(TrayCtrl, MenuAndListAreForgottenWhenDestroyedFirst) {
  auto menu = std::make_unique<widgets::PopupMenu>();
  MakeList();
  tray->SetPopupMenu(menu.get());
  tray->SetIconList(list.get());
  tray->SetCycleIcons(true);
  Mouse(kRUp);
  menu.reset();
  list.reset();
  EXPECT_EQ(tray->PopupMenu(), nullptr);
  EXPECT_EQ(tray->IconList(), nullptr);
  Mouse(kRUp);
  ASSERT_TRUE(fake::FireTimer(tray->Handle()));
  EXPECT_EQ(Last().hIcon, 0u) << "no icon set: the list is gone";

  // The other way round: the menu must not keep a dangling component.
  widgets::PopupMenu later;
  tray->SetPopupMenu(&later);
  Mouse(kRUp);
  EXPECT_EQ(later.PopupComponent, tray.get());
  tray.reset();
  EXPECT_EQ(later.PopupComponent, nullptr);
}

TEST_F(TrayCtrl, CyclingStepsThroughTheListOnTheTimer) {
  const auto originals = MakeList();
  tray->SetIconList(list.get());
  int cycles = 0;
  tray->OnCycle = [&](widgets::Component&) { ++cycles; };
  tray->SetCycleIcons(true);
  EXPECT_EQ(tray->IconIndex(), 1);
  EXPECT_EQ(cycles, 1) << "at once";
  EXPECT_EQ(Shown(), originals[1]);
  EXPECT_EQ(shell.windows.at(tray->Handle()).timers.at(1), 500u);
  std::vector<int> indexes;
  for (int i = 0; i < 4; ++i) {
    ASSERT_TRUE(fake::FireTimer(tray->Handle()));
    indexes.push_back(tray->IconIndex());
    EXPECT_EQ(Shown(), originals[static_cast<size_t>(tray->IconIndex())]);
  }
  EXPECT_EQ(indexes, (std::vector<int>{2, 0, 1, 2}));
  tray->SetCycleIcons(false);
  EXPECT_FALSE(fake::FireTimer(tray->Handle())) << "the timer stops with the last switch";
}

TEST_F(TrayCtrl, BlinkingAlternatesWithTheNormalIcon) {
  const IconHandle normal = fake::MakeIcon(), disabled = fake::MakeIcon();
  tray->SetIcon(normal);
  tray->SetIconDisabled(disabled);
  tray->SetBlinkIcon(true);
  std::vector<IconHandle> shown;
  for (int i = 0; i < 2; ++i) {
    fake::FireTimer(tray->Handle());
    shown.push_back(Shown());
  }
  EXPECT_EQ(shown, (std::vector<IconHandle>{normal, normal})) << "enabled: both phases show Icon";

  tray->SetEnabled(false);  // a refresh of its own: phase 1
  shown = {Shown()};
  fake::FireTimer(tray->Handle());
  shown.push_back(Shown());
  EXPECT_EQ(shown, (std::vector<IconHandle>{normal, disabled}));

  const auto originals = MakeList();
  tray->SetBlinkIcon(false);
  tray->SetEnabled(true);
  tray->SetIconList(list.get());
  tray->SetUseIconList(true);
  tray->SetIconIndex(0);
  tray->SetTag(0);
  shell.notifyCalls.clear();
  tray->SetBlinkIcon(true);
  fake::FireTimer(tray->Handle());
  fake::FireTimer(tray->Handle());
  shown.clear();
  for (const auto& call : shell.notifyCalls) shown.push_back(fake::OriginalIcon(call.record.hIcon));
  EXPECT_EQ(shown, (std::vector<IconHandle>{normal, originals[1], normal, originals[1]}));
  platform::DestroyIconHandle(normal);
  platform::DestroyIconHandle(disabled);
}

TEST_F(TrayCtrl, BlinkingKeepsTheIndexInSevenBitsAndIntervalZeroStandsStill) {
  tray->SetBlinkIcon(true);
  tray->SetIconIndex(200);
  EXPECT_EQ(tray->IconIndex(), 73);
  tray->SetTimerInterval(0);
  EXPECT_TRUE(tray->BlinkIcon());
  EXPECT_FALSE(fake::FireTimer(tray->Handle())) << "no real timer runs at period 0";
  tray->SetTimerInterval(250);
  EXPECT_EQ(shell.windows.at(tray->Handle()).timers.at(1), 250u);
}

TEST_F(TrayCtrl, ATaskbarRestartAddsTheIconAgain) {
  tray->SetVisible(true);
  shell.icons.clear();  // Explorer restarted
  fake::SendToWindow(tray->Handle(), shell.taskbarCreated);
  EXPECT_EQ(shell.icons.size(), 1u);
  shell.icons.clear();
  fake::SendToWindow(tray->Handle(), 38);
  EXPECT_EQ(shell.icons.size(), 1u);
  tray->SetVisible(false);
  fake::SendToWindow(tray->Handle(), shell.taskbarCreated);
  EXPECT_TRUE(shell.icons.empty()) << "a hidden icon stays hidden";
}

TEST_F(TrayCtrl, TheIconGoesWhenTheSessionEndsButNotWhenTheEndIsCancelled) {
  tray->SetVisible(true);
  fake::SendToWindow(tray->Handle(), 0x0016, 0);
  EXPECT_EQ(shell.icons.size(), 1u) << "the session goes on";
  fake::SendToWindow(tray->Handle(), 0x0016, 1);
  EXPECT_TRUE(shell.icons.empty());
}

TEST_F(TrayCtrl, TenThousandRefreshesFromTheListLeaveNoIconBehind) {
  MakeList();
  tray->SetIconList(list.get());
  tray->SetVisible(true);
  tray->SetCycleIcons(true);
  for (int i = 0; i < 10000; ++i) fake::FireTimer(tray->Handle());
  EXPECT_EQ(icons.liveIcons.size(), 3u + 1u) << "the list's three and the one the shell shows";
  EXPECT_EQ(icons.liveIcons.count(Last().hIcon), 1u);
  tray.reset();
  list.reset();
  EXPECT_TRUE(icons.liveIcons.empty());
}

}  // namespace
