// The window and its tray icon: set up at start-up but not shown, swapped by the button, the menu's
// F11 and a click on the icon, with the page, interval and stay-on-top state kept.
#include "tests/unit/orvane_fixture.hpp"

namespace testing_orvane {
namespace {

constexpr std::uint32_t kLButtonUp = 0x202, kRButtonDown = 0x204, kRButtonUp = 0x205, kLButtonDblClk = 0x203;

class TrayCommands : public OrvaneTest {
 protected:
  void SetUp() override {
    OrvaneTest::SetUp();
    appIcon_ = fake::MakeIcon();
    app_.SetIcon(appIcon_);
  }
  void TearDown() override {
    form_.reset();
    platform::DestroyIconHandle(appIcon_);
    EXPECT_TRUE(fake::Fake().files.misusedIcons.empty()) << "an icon was used after it was destroyed";
    EXPECT_TRUE(fake::Fake().files.liveIcons.empty()) << "an icon was left behind";
  }
  fake::Tray& Shell() { return fake::Fake().tray; }
  // The icon the notification area shows for the window, or nullptr.
  const platform::NotifyIconRecord* TrayIcon() {
    auto it = Shell().icons.find({form_->TrayCtrl1.Handle(), 0});
    return it == Shell().icons.end() ? nullptr : &it->second;
  }
  void IconMouse(std::uint32_t message) {
    ASSERT_TRUE(fake::SendToWindow(form_->TrayCtrl1.Handle(), kTrayCallbackMessage, 0, message));
  }
  // The menu item with this short-cut, picked.
  void ShortCut(std::uint16_t key) {
    const int i = form_->PopupMenu1.FindShortCut(widgets::ShortCut{key});
    ASSERT_GE(i, 0);
    form_->PopupMenu1.ClickItem(i);
  }

  platform::IconHandle appIcon_ = 0;
};

TEST_F(TrayCommands, StartUpGivesTheIconHintAndImageButDoesNotShowIt) {
  auto& f = Start();
  EXPECT_FALSE(f.TrayCtrl1.ShowHint());
  EXPECT_FALSE(f.TrayCtrl1.Visible());
  EXPECT_EQ(f.TrayCtrl1.PopupMenu(), nullptr);
  EXPECT_EQ(f.TrayCtrl1.IconList(), nullptr);
  EXPECT_EQ(f.TrayCtrl1.Hint(), "Kelvo Orvane v1.61 beta");
  EXPECT_EQ(TrayIcon(), nullptr) << "nothing is added to the notification area at start-up";
  for (const auto& call : Shell().log) EXPECT_NE(call, "add");
  // Once shown, the icon is a copy of the program's icon with the caption as its tooltip,
  // although ShowHint is off.
  f.Tray_Btn.Click();
  const platform::NotifyIconRecord* icon = TrayIcon();
  ASSERT_NE(icon, nullptr);
  EXPECT_STREQ(icon->szTip, "Kelvo Orvane v1.61 beta");
  EXPECT_NE(icon->hIcon, appIcon_) << "the component keeps a copy of its own";
  EXPECT_EQ(fake::OriginalIcon(icon->hIcon), appIcon_);
}

TEST_F(TrayCommands, EachCommandSwapsWindowAndIcon) {
  auto& f = Start();
  ASSERT_TRUE(f.Visible());
  f.Tray_Btn.Click();
  EXPECT_FALSE(f.Visible());
  EXPECT_TRUE(f.TrayCtrl1.Visible());
  EXPECT_NE(TrayIcon(), nullptr);

  IconMouse(kLButtonUp);  // a click on the icon
  EXPECT_TRUE(f.Visible());
  EXPECT_FALSE(f.TrayCtrl1.Visible());
  EXPECT_EQ(TrayIcon(), nullptr);

  f.Tray_Btn.Click();  // the button hides it again: the command always swaps
  EXPECT_FALSE(f.Visible());
  EXPECT_NE(TrayIcon(), nullptr);
  IconMouse(kLButtonUp);
  ShortCut(0x7A);  // F11, from the menu
  EXPECT_FALSE(f.Visible());
  EXPECT_NE(TrayIcon(), nullptr);
}

TEST_F(TrayCommands, OnlyALeftReleaseOnTheIconBringsTheWindowBack) {
  auto& f = Start();
  f.Tray_Btn.Click();
  for (std::uint32_t message : {kRButtonDown, kRButtonUp, kLButtonDblClk, 0x200u, 0x201u}) {
    IconMouse(message);
    EXPECT_FALSE(f.Visible()) << "mouse message " << message;
  }
  IconMouse(kLButtonUp);
  EXPECT_TRUE(f.Visible());
}

TEST_F(TrayCommands, HidingKeepsPageIntervalAndTopmostAndTheTimerRefreshesMeanwhile) {
  auto& f = Start();
  f.UpdInterval_Combo.Select(6);
  f.StayOnTop_Chk.Click();
  ASSERT_TRUE(f.StayOnTop_Chk.Checked());
  const auto topmostCalls = fake::Fake().topmostCalls.size();

  f.Tray_Btn.Click();
  const int reads = fake::Fake().memoryReads;
  Tick();
  Tick();
  EXPECT_EQ(fake::Fake().memoryReads, reads + 2) << "the Memory page keeps refreshing while hidden";
  f.Main_PageCtrl.SelectPage(4);  // whatever page is active then is the one that refreshes
  f.calls.clear();
  Tick();
  EXPECT_EQ(f.calls, std::vector<std::string>{"OtherPage_Update"});

  IconMouse(kLButtonUp);
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(f.Main_PageCtrl.ActivePageIndex(), 4);
  EXPECT_EQ(f.UpdInterval_Combo.ItemIndex(), 6);
  EXPECT_EQ(f.Timer1.Interval(), 1000u);
  EXPECT_TRUE(f.Timer1.Enabled());
  EXPECT_TRUE(f.StayOnTop_Chk.Checked());
  EXPECT_EQ(fake::Fake().topmostCalls.size(), topmostCalls) << "hiding and showing leave the topmost state alone";
}

TEST_F(TrayCommands, ClosingFromTheTrayRemovesTheIconAndItsWindow) {
  auto& f = Start();
  f.Tray_Btn.Click();
  ASSERT_NE(TrayIcon(), nullptr);
  const platform::WindowHandle hidden = f.TrayCtrl1.Handle();
  form_.reset();
  EXPECT_TRUE(Shell().icons.empty());
  EXPECT_EQ(Shell().windows.count(hidden), 0u);
}

}  // namespace
}  // namespace testing_orvane
