#include "funclib/owner_window.hpp"
#include "tests/unit/orvane_fixture.hpp"

namespace testing_orvane {
namespace {

using Shell = OrvaneTest;

TEST_F(Shell, MainWindowIsFixedAndCentred) {
  TFormOrvane form(app_);
  EXPECT_EQ(form.Caption(), "*");
  EXPECT_EQ(form.ClientWidth(), 376);
  EXPECT_EQ(form.ClientHeight(), 331);
  EXPECT_EQ(form.GetBorderStyle(), widgets::BorderStyle::Single);
  EXPECT_EQ(form.BorderIcons(), widgets::biSystemMenu | widgets::biMinimize);
  EXPECT_EQ(form.Position(), widgets::FormPosition::ScreenCenter);
  EXPECT_EQ(form.CancelButton(), &form.Close_Btn) << "Esc presses the Close button";
}

TEST_F(Shell, StartUpSetsOwnerCaptionTitleAndDefaultsInOrder) {
  app_.SetHandle(0x1234);
  funclib::OwnerWindow = 0;
  form_ = std::make_unique<RecordingForm>(app_);
  auto& f = *form_;
  int intervalChanges = 0;
  f.UpdInterval_Combo.OnChange = [&](widgets::Control&) { ++intervalChanges; };
  f.FormCreate();

  EXPECT_EQ(funclib::OwnerWindow, 0x1234u);
  EXPECT_EQ(f.Caption(), "Kelvo Orvane v1.61 beta");
  EXPECT_EQ(app_.Title(), "Kelvo Orvane v1.61 beta");
  EXPECT_EQ(f.UpdInterval_Combo.Text(), "0.050 s");
  EXPECT_EQ(intervalChanges, 0) << "setting the index programmatically raises no change event";
  EXPECT_EQ(f.Timer1.Interval(), 50u);
  EXPECT_TRUE(f.Timer1.Enabled());
  EXPECT_EQ(f.DiskSize_Combo.Text(), "KiloByte");
  EXPECT_EQ(f.Main_PageCtrl.ActivePageIndex(), 0);
  // The feature list is filled before the first refresh; the cursor picture is shown last.
  const std::vector<std::string> expected{"CpuIdList_Fill", "Cursor_Combo_Change"};
  EXPECT_EQ(f.calls, expected);
  EXPECT_EQ(f.RamSize_Panel.Caption(), "1,048,576 k") << "the Memory page is filled before the first paint";
}

TEST_F(Shell, CursorAndColourListsAreFilled) {
  auto& f = Start();
  const auto& cursors = f.Cursor_Combo.Items();
  ASSERT_EQ(cursors.size(), 23u);
  EXPECT_EQ(cursors[0], "0: Default");
  EXPECT_EQ(cursors[5], "-5: #");
  EXPECT_EQ(cursors[11], "-11: HourGlass");
  EXPECT_EQ(cursors[22], "-22: SizeAll");
  EXPECT_EQ(f.Cursor_Combo.ItemIndex(), 0);
  const auto& colours = f.SysColor_Combo.Items();
  ASSERT_EQ(colours.size(), 28u);
  EXPECT_EQ(colours[0], "Scrollbar");
  EXPECT_EQ(colours[12], "Application working space");
  EXPECT_EQ(colours[24], "Tool tip background");
  EXPECT_EQ(colours[27], "Gradient inactive caption");
  EXPECT_EQ(f.SysColor_Combo.ItemIndex(), 0);
}

TEST_F(Shell, IntervalRuleGivesWhatEachItemNames) {
  const unsigned expected[] = {10, 25, 50, 100, 250, 500, 1000, 2500, 5000};
  auto& f = Start();
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(IntervalForItem(i), expected[i]) << "item " << i;
    f.UpdInterval_Combo.Select(i);
    EXPECT_EQ(f.Timer1.Interval(), expected[i]) << f.UpdInterval_Combo.Text();
  }
  f.UpdInterval_Combo.Select(2);
  EXPECT_EQ(f.Timer1.Interval(), 50u);
}

TEST_F(Shell, TickRefreshesOnlyTheLivePageThatShows) {
  auto& f = Start();
  f.calls.clear();
  const int reads = fake::Fake().memoryReads;
  Tick();
  EXPECT_EQ(fake::Fake().memoryReads, reads + 1);
  for (int page : {1, 2, 3}) {
    f.Main_PageCtrl.SetActivePageIndex(page);
    Tick();
  }
  EXPECT_EQ(fake::Fake().memoryReads, reads + 1) << "System, Feature Flags and Disks are not live";
  EXPECT_TRUE(f.calls.empty());
  f.Main_PageCtrl.SetActivePageIndex(4);
  Tick();
  f.Main_PageCtrl.SetActivePageIndex(5);
  Tick();
  EXPECT_EQ(f.calls, (std::vector<std::string>{"OtherPage_Update", "UpdateWinampPage"}));
}

TEST_F(Shell, PageChangeRefreshesLivePagesAtOnce) {
  auto& f = Start();
  f.calls.clear();
  f.Main_PageCtrl.SelectPage(4);
  f.Main_PageCtrl.SelectPage(5);
  EXPECT_EQ(f.calls, (std::vector<std::string>{"OtherPage_Update", "UpdateWinampPage"}));
  fake::Fake().memory.availPhys -= 1 * MiB;
  f.Main_PageCtrl.SelectPage(0);
  EXPECT_EQ(f.RamMes_Panel.Caption(), "-1,024 k");
}

TEST_F(Shell, SystemPageFillsOnItsFirstVisitOnly) {
  auto& f = Start();
  f.Main_PageCtrl.SelectPage(1);
  f.Main_PageCtrl.SelectPage(0);
  f.Main_PageCtrl.SelectPage(1);
  EXPECT_EQ(f.Count("SysList_Fill"), 1);
  f.Sys_ListView.DblClick();
  EXPECT_EQ(f.Count("SysList_Fill"), 2) << "a double-click refills";
}

TEST_F(Shell, FeatureFlagsPageRunsItsActivationOnEveryVisit) {
  auto& f = Start();
  f.Main_PageCtrl.SelectPage(2);
  f.Main_PageCtrl.SelectPage(3);
  f.Main_PageCtrl.SelectPage(2);
  EXPECT_EQ(f.Count("CpuIdPage_Activate"), 2);
  EXPECT_EQ(f.Count("CpuIdList_Fill"), 1) << "the list is filled once, at start-up";
}

TEST_F(Shell, DisksPageFillsOnceByPressingItsButton) {
  auto& f = Start();
  int presses = 0;
  auto click = f.DiskUpdate_Btn.OnClick;
  f.DiskUpdate_Btn.OnClick = [&](widgets::Control& c) {
    ++presses;
    click(c);
  };
  EXPECT_EQ(f.Disk_ListView.Tag(), 0);
  f.Main_PageCtrl.SelectPage(3);
  EXPECT_EQ(presses, 1);
  EXPECT_EQ(f.Disk_ListView.Tag(), 1);
  f.Main_PageCtrl.SelectPage(0);
  f.Main_PageCtrl.SelectPage(3);
  EXPECT_EQ(presses, 1) << "the second visit does not refill";
  f.DiskUpdate_Btn.Click();
  EXPECT_EQ(f.Count("DiskList_Fill"), 2) << "the button refills";
}

TEST_F(Shell, StayOnTopFollowsTheCheckBox) {
  app_.SetHandle(0);
  auto& f = Start();
  f.StayOnTop_Chk.Click();
  EXPECT_TRUE(f.StayOnTop_Chk.Checked());
  f.StayOnTop_Chk.Click();
  ASSERT_EQ(fake::Fake().topmostCalls.size(), 2u);
  EXPECT_TRUE(fake::Fake().topmostCalls[0].second);
  EXPECT_FALSE(fake::Fake().topmostCalls[1].second);
}

TEST_F(Shell, CloseButtonMenuAndShortCutsEndTheWindow) {
  {
    auto& f = Start();
    f.Close_Btn.Click();
    EXPECT_TRUE(f.Closed());
  }
  {
    auto& f = Start();
    const int item = f.PopupMenu1.FindShortCut(widgets::ShortCut{'Q', true});
    ASSERT_GE(item, 0);
    EXPECT_EQ(f.PopupMenu1.Items()[item].caption, "&Close");
    f.PopupMenu1.ClickItem(item);
    EXPECT_TRUE(f.Closed());
  }
}

TEST_F(Shell, PopupMenuHasItsItemsAndShortCuts) {
  auto& f = Start();
  const auto& items = f.PopupMenu1.Items();
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0].caption, "About...");
  EXPECT_EQ(items[0].shortCut, (widgets::ShortCut{0x70}));
  EXPECT_TRUE(items[1].IsSeparator());
  EXPECT_EQ(items[2].caption, "Minimize to Tray");
  EXPECT_EQ(items[2].shortCut, (widgets::ShortCut{0x7A}));
  EXPECT_TRUE(items[3].IsSeparator());
  EXPECT_EQ(f.PopupMenu1.FindShortCut(widgets::ShortCut{'Q'}), -1) << "Q without Alt is no short-cut";
  EXPECT_EQ(f.ContextMenu(), &f.PopupMenu1);
}

TEST_F(Shell, LayoutStartsInTheStateOtherPagesRelyOn) {
  TFormOrvane f(app_);
  EXPECT_FALSE(f.RamResetMes_Spd.Enabled());
  EXPECT_FALSE(f.SwpResetMes_Spd.Enabled());
  EXPECT_FALSE(f.TotResetMes_Spd.Enabled());
  for (const char* name : {"RamSize_Panel", "TotMes_Panel", "UpTime_Panel", "MouPos_Panel", "PLPos_Panel"}) {
    const widgets::Control* c = f.FindControl(name);
    ASSERT_NE(c, nullptr) << name;
    EXPECT_EQ(c->Caption(), "n/a") << name;
    EXPECT_EQ(c->GetCursor(), widgets::crHandPoint) << name;
    EXPECT_TRUE(c->ShowHint()) << name;
  }
  EXPECT_TRUE(f.Play_SpdBtn.Down());
  EXPECT_FALSE(f.Pause_SpdBtn.Down());
  EXPECT_EQ(f.Timer1.Interval(), 50u);
  EXPECT_EQ(f.Disk_ListView.Tag(), 0);
  EXPECT_EQ(f.Sys_ListView.ItemCount(), 0);
  EXPECT_EQ(f.Cursor_Combo.Items().size(), 0u);
  EXPECT_FALSE(f.StayOnTop_Chk.Checked());
  EXPECT_EQ(f.Main_PageCtrl.PageCount(), 6);
  EXPECT_EQ(f.Main_PageCtrl.Pages()[2]->Caption(), "Feature Flags");
  EXPECT_EQ(f.Disk_ListView.SmallImages(), &f.ImageList1);
  // Underlined letters of the window-level commands and the Disks page's button.
  EXPECT_EQ(f.StayOnTop_Chk.Caption(), "&Stay on Top");
  EXPECT_EQ(f.About_Btn.Caption(), "&About");
  EXPECT_EQ(f.Tray_Btn.Caption(), "&Tray");
  EXPECT_EQ(f.Close_Btn.Caption(), "&Close");
  EXPECT_EQ(f.DiskUpdate_Btn.Caption(), "&Update");
}

TEST_F(Shell, PlayerButtonsFormOneExclusiveGroup) {
  TFormOrvane f(app_);
  f.Pause_SpdBtn.Click();
  EXPECT_TRUE(f.Pause_SpdBtn.Down());
  EXPECT_FALSE(f.Play_SpdBtn.Down());
  f.Pause_SpdBtn.SetDown(false);
  EXPECT_TRUE(f.Pause_SpdBtn.Down()) << "the group always keeps one button down";
  f.Next_SpdBtn.Click();
  EXPECT_FALSE(f.Next_SpdBtn.Down()) << "a button of no group does not stay down";
  EXPECT_TRUE(f.Pause_SpdBtn.Down());
}

}  // namespace
}  // namespace testing_orvane
