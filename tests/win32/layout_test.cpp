// Every control of the main window is a real window of the expected class, with its caption, its
// parent and, at 96 dpi, its bounds.
#include <utility>
#include <vector>

#include "tests/win32/win32_fixture.hpp"

namespace win32_tests {
namespace {

using widgets::ControlKind;

const char* ExpectedClass(ControlKind kind) {
  switch (kind) {
    case ControlKind::PageControl: return "SysTabControl32";
    case ControlKind::TabSheet: return "OrvaneTabSheet";
    case ControlKind::Panel: return "OrvanePanel";
    case ControlKind::Label: return "Static";
    case ControlKind::GroupBox: return "OrvaneGroupBox";
    case ControlKind::Button:
    case ControlKind::SpeedButton:
    case ControlKind::CheckBox: return "Button";
    case ControlKind::ComboBox: return "ComboBox";
    case ControlKind::ListView: return "SysListView32";
    case ControlKind::TrackBar: return "msctls_trackbar32";
    case ControlKind::Image: return "OrvaneImage";
    case ControlKind::BevelLine: return "OrvaneBevel";
    case ControlKind::Form: return "TFormOrvane";
  }
  return "?";
}

// Where each control belongs, written down apart from the layout tables: a parent that the tables
// and the windows got wrong together must still fail here. "" is the main window.
const std::pair<const char*, std::vector<const char*>> kExpectedChildren[] = {
    {"", {"Main_PageCtrl", "StayOnTop_Chk", "UpdInterval_Combo", "About_Btn", "Tray_Btn", "Close_Btn"}},
    {"Main_PageCtrl", {"Mem_Sheet", "Sys_Sheet", "hWnd_Sheet", "Disk_Sheet", "Misc_Sheet", "Winamp_Sheet"}},
    {"Mem_Sheet", {"Mem_Panel"}},
    {"Mem_Panel",
     {"RamSize_Label", "RamSize_Panel", "RamUsed_Label", "RamUsed_Panel", "RamFree_Label", "RamFree_Panel",
      "MemLoad_Label", "MemLoad_Panel", "SwpSize_Label", "SwpSize_Panel", "SwpUsed_Label", "SwpUsed_Panel",
      "SwpFree_Label", "SwpFree_Panel", "VirtualSize_Label", "VirtualSize_Panel", "VirtualUsed_Label",
      "VirtualUsed_Panel", "RamMes_Label", "RamMes_Panel", "RamResetMes_Spd", "SwpMes_Label", "SwpMes_Panel",
      "SwpResetMes_Spd", "TotMes_Label", "TotMes_Panel", "TotResetMes_Spd"}},
    {"Sys_Sheet", {"Sys_ListView"}},
    {"hWnd_Sheet", {"CpuId_ListView"}},
    {"Disk_Sheet", {"Disk_Panel"}},
    {"Disk_Panel", {"Disk_ListView", "DiskUpdate_Btn", "SizeIn_Label", "DiskSize_Combo"}},
    {"Misc_Sheet", {"Time_Grp", "Misc_Grp", "SysCursor_Grp"}},
    {"Time_Grp", {"UpTime_Label", "UpTime_Panel", "CurTime_Label", "CurTime_Panel", "CompStart_Label", "CompStart_Panel"}},
    {"Misc_Grp",
     {"SysColor_Label", "SysColor_Panel", "SysColor_Combo", "Printers_Label", "Printers_Combo", "MouPos_Label",
      "MouPos_Panel"}},
    {"SysCursor_Grp", {"Cursor_Label", "SysCursor_Image", "Cursor_Combo"}},
    {"Winamp_Sheet", {"Winamp_GrpBox"}},
    {"Winamp_GrpBox",
     {"WaVers_Label", "WaVers_Panel", "CurAction_Label", "CurAction_Panel", "WaCaption_Label", "WaCaption_Panel",
      "SongTitle_Label", "Song_Panel", "SongPos_Label", "SongPos_Panel", "PLPos1_Label", "PLPos_Panel",
      "Winamp_TrackBar", "Prev_SpdBtn", "Play_SpdBtn", "Pause_SpdBtn", "Stop_SpdBtn", "Next_SpdBtn"}},
};

using Layout = RealWindow;

TEST_F(Layout, EveryControlSitsInItsOwnParentWindow) {
  size_t checked = 0;
  for (const auto& [parentName, children] : kExpectedChildren) {
    const widgets::Control* parent = *parentName ? form_->FindControl(parentName) : form_.get();
    ASSERT_NE(parent, nullptr) << parentName;
    for (const char* name : children) {
      SCOPED_TRACE(name);
      const widgets::Control* c = form_->FindControl(name);
      ASSERT_NE(c, nullptr);
      EXPECT_EQ(c->Parent(), parent);
      // The sheets' windows lie beside their tab strip, in the main window.
      const bool sheet = c->Kind() == ControlKind::TabSheet;
      EXPECT_EQ(GetParent(Hwnd(*c)), sheet ? main_ : Hwnd(*parent))
          << "window parent, expected " << (*parentName && !sheet ? parentName : "the main window");
      ++checked;
    }
  }
  EXPECT_EQ(checked, 85u) << "every control of the layout has an expected parent";
}

TEST_F(Layout, ColourSwatchShowsInsideItsGroup) {
  backend_->Show(*form_);
  form_->Main_PageCtrl.SetActivePageIndex(4);
  HWND swatch = Hwnd(form_->SysColor_Panel);
  EXPECT_TRUE(IsWindowVisible(swatch));
  RECT group, r;
  GetWindowRect(Hwnd(form_->Misc_Grp), &group);
  GetWindowRect(swatch, &r);
  EXPECT_EQ(r.left - group.left, 136);
  EXPECT_EQ(r.top - group.top, 20);
  POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  EXPECT_EQ(WindowFromPoint(centre), swatch) << "nothing covers the swatch";
}

TEST_F(Layout, EveryControlIsARealChildWindowWithItsClassCaptionAndBounds) {
  ASSERT_EQ(backend_->Dpi(), 96) << "this test reads bounds at 96 dpi";
  int controls = 0;
  for (widgets::Component* component : form_->LayoutComponents()) {
    auto* c = dynamic_cast<widgets::Control*>(component);
    if (!c) continue;
    ++controls;
    SCOPED_TRACE(c->Name());
    HWND hwnd = Hwnd(*c);
    ASSERT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(Class(hwnd), ExpectedClass(c->Kind()));
    if (c->Kind() == ControlKind::TabSheet)  // the sheets lie beside their tab strip
      EXPECT_EQ(GetParent(hwnd), GetParent(Hwnd(*c->Parent())));
    else
      EXPECT_EQ(GetParent(hwnd), Hwnd(*c->Parent()));
    switch (c->Kind()) {
      case ControlKind::ComboBox:
        EXPECT_EQ(Text(hwnd), static_cast<widgets::ComboBox*>(c)->Text());
        break;
      case ControlKind::ListView:
      case ControlKind::TrackBar:
      case ControlKind::PageControl:
        break;
      default:
        EXPECT_EQ(Text(hwnd), c->Caption());
    }
    if (c->Kind() == ControlKind::TabSheet) continue;  // placed in the page control's display area
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    const widgets::Rect& b = c->Bounds();
    EXPECT_EQ(r.left, b.left);
    EXPECT_EQ(r.top, b.top);
    if (c->Kind() == ControlKind::Label) {
      EXPECT_EQ(r.bottom - r.top, b.height);
      EXPECT_GT(r.right - r.left, 0) << "a label is as wide as its text";
    } else {
      EXPECT_EQ(r.right - r.left, b.width);
      if (c->Kind() != ControlKind::ComboBox) {
        EXPECT_EQ(r.bottom - r.top, b.height);
      }
    }
  }
  EXPECT_EQ(controls, 85);
}

TEST_F(Layout, ButtonsHaveTheirStyles) {
  EXPECT_EQ(GetWindowLongA(Hwnd(form_->Close_Btn), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
  EXPECT_EQ(GetWindowLongA(Hwnd(form_->StayOnTop_Chk), GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
  EXPECT_EQ(GetWindowLongA(Hwnd(form_->Play_SpdBtn), GWL_STYLE) & BS_TYPEMASK, BS_CHECKBOX);
  EXPECT_TRUE(IsWindowEnabled(Hwnd(form_->RamResetMes_Spd))) << "no reset is pending after the first refresh";
  backend_->Show(*form_);
  SetFocus(Hwnd(form_->RamResetMes_Spd));
  form_->RamResetMes_Spd.Click();
  EXPECT_FALSE(IsWindowEnabled(Hwnd(form_->RamResetMes_Spd))) << "a pending reset greys the button";
  EXPECT_EQ(GetFocus(), Hwnd(form_->Main_PageCtrl)) << "the focus leaves the greyed button for the tab strip";
}

TEST_F(Layout, OnlyTheActiveSheetShows) {
  backend_->Show(*form_);
  EXPECT_TRUE(IsWindowVisible(Hwnd(form_->Mem_Sheet)));
  EXPECT_FALSE(IsWindowVisible(Hwnd(form_->Sys_Sheet)));
  form_->Main_PageCtrl.SetActivePageIndex(3);
  EXPECT_FALSE(IsWindowVisible(Hwnd(form_->Mem_Sheet)));
  EXPECT_TRUE(IsWindowVisible(Hwnd(form_->Disk_Sheet)));
  EXPECT_EQ(SendMessageA(Hwnd(form_->Main_PageCtrl), TCM_GETCURSEL, 0, 0), 3);
  form_->Disk_Sheet.SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(Hwnd(form_->Disk_Sheet))) << "a sheet's contents can be hidden";
}

TEST_F(Layout, ListColumnsAndComboItemsAreThere) {
  HWND disks = Hwnd(form_->Disk_ListView);
  HWND header = reinterpret_cast<HWND>(SendMessageA(disks, LVM_GETHEADER, 0, 0));
  EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 13);
  EXPECT_EQ(SendMessageA(disks, LVM_GETCOLUMNWIDTH, 7, 0), 95);
  EXPECT_TRUE(SendMessageA(disks, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_HEADERDRAGDROP);
  HWND interval = Hwnd(form_->UpdInterval_Combo);
  EXPECT_EQ(SendMessageA(interval, CB_GETCOUNT, 0, 0), 9);
  EXPECT_EQ(Text(interval), "0.050 s");
  EXPECT_EQ(SendMessageA(Hwnd(form_->Cursor_Combo), CB_GETCOUNT, 0, 0), 23);
  HWND bar = Hwnd(form_->Winamp_TrackBar);
  EXPECT_EQ(SendMessageA(bar, TBM_GETRANGEMAX, 0, 0), 1000);
  EXPECT_EQ(SendMessageA(bar, TBM_GETPAGESIZE, 0, 0), 50);
  EXPECT_EQ(SendMessageA(bar, TBM_GETLINESIZE, 0, 0), 10);
}

TEST_F(Layout, CaptionsReachTheWindowsOnlyWhenTheyChange) {
  HWND ram = Hwnd(form_->RamSize_Panel);
  EXPECT_NE(Text(ram), "n/a") << "the start-up refresh filled the page";
  SetTextCounter writes(ram);
  form_->MemPage_Update();
  EXPECT_EQ(writes.Count(), 0) << "an unchanged total is not written again";
  form_->RamSize_Panel.SetCaption("new");
  EXPECT_EQ(Text(ram), "new");
  EXPECT_EQ(writes.Count(), 1);
}

TEST_F(Layout, NoOtherProgramCanSetAWindowTextApartFromItsCaption) {
  for (widgets::Control* c : {static_cast<widgets::Control*>(&form_->RamSize_Panel),
                              static_cast<widgets::Control*>(&form_->RamSize_Label),
                              static_cast<widgets::Control*>(&form_->Close_Btn),
                              static_cast<widgets::Control*>(form_.get())}) {
    SCOPED_TRACE(c->Name());
    HWND hwnd = Hwnd(*c);
    const std::string caption = c->Caption();
    EXPECT_FALSE(SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("foreign")));
    const std::wstring longer = platform::Utf8ToUtf16(caption + "x");  // the caption and more
    EXPECT_FALSE(SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(longer.c_str())));
    EXPECT_EQ(Text(hwnd), caption);
    c->SetCaption("own");
    EXPECT_EQ(Text(hwnd), "own") << "the control's own captions still reach it";
  }
}

}  // namespace
}  // namespace win32_tests
