// The main window's spine: start-up, the refresh dispatch, page changes, the refresh interval,
// stay on top and close.
#include <algorithm>

#include "form/orvane_form.hpp"
#include "form/other_page.hpp"
#include "funclib/format.hpp"
#include "funclib/owner_window.hpp"
#include "funclib/window.hpp"
#include "orvane_version.h"
#include "platform/window.hpp"

namespace {
constexpr const char* kCaption = ORVANE_PRODUCT " v" ORVANE_VERSION_TEXT;
}

const std::array<std::string_view, 23> CursorNames{
    "Default", "None",   "Arrow",  "Cross",    "Beam",      "#",       "SizeNESW", "SizeNS",
    "SizeNWSE", "SizeWE", "UpArrow", "HourGlass", "Drag",    "NoDrop",  "HSplit",   "VSplit",
    "MultiDrag", "SQLWait", "No",   "AppStart", "Help",      "HandPoint", "SizeAll"};

const std::array<std::string_view, 28> SysColorNames{
    "Scrollbar",        "Background",      "Active caption",    "Inactive caption",
    "Menu",             "Window",          "Window frame",      "Menu text",
    "Window text",      "Caption text",    "Active border",     "Inactive border",
    "Application working space", "Highlight", "Highlight text", "Button face",
    "Button shadow",    "Gray text",       "Button text",       "Inactive caption text",
    "Button highlight", "3D Dark Shadow",  "3D light",          "Tool tip text",
    "Tool tip background", "Hot light",    "Gradient active caption", "Gradient inactive caption"};

unsigned IntervalForItem(int index) {
  index = std::clamp(index, 0, 8);
  unsigned power = 1;
  for (int i = 0; i < index / 3; ++i) power *= 10;
  return power * IntervalSteps[index % 3];
}

TFormOrvane::TFormOrvane(widgets::Application& app) : Form("TFormOrvane"), TrayCtrl1(app), app_(app) {
  SetName("FormOrvane");
  SetCaption("*");
  SetClientSize(376, 331);
  SetBorderStyle(widgets::BorderStyle::Single);
  SetBorderIcons(widgets::biSystemMenu | widgets::biMinimize);
  SetPosition(widgets::FormPosition::ScreenCenter);
  SetColor(widgets::clBtnFace);
  formatSettings_ = funclib::UserFormatSettings();
  OnSettingChange = [this](widgets::Form& sender, std::string_view area) { Settings_Change(sender, area); };
  LoadLayout();
}

TFormOrvane::~TFormOrvane() = default;

void TFormOrvane::Register(widgets::Component& c, std::string_view name) {
  c.SetName(name);
  named_.push_back(&c);
}

widgets::Control* TFormOrvane::FindControl(std::string_view name) const {
  for (widgets::Component* c : named_)
    if (c->Name() == name) return dynamic_cast<widgets::Control*>(c);
  return nullptr;
}

void TFormOrvane::FormCreate() {
  funclib::OwnerWindow = app_.Handle();
  SetCaption(kCaption);
  app_.SetTitle(Caption());
  // The tray icon stands for the window while it is hidden; it is not shown yet.
  TrayCtrl1.SetHint(Caption());
  TrayCtrl1.SetIcon(app_.Icon());
  // The layout's timer already runs at 50 ms, which this item names; setting the index
  // raises no change event.
  UpdInterval_Combo.SetItemIndex(2);
  DiskSize_Combo.SetItemIndex(2);
  // The drive list shows its rows in the desktop's icon-title font; the list owns the handle.
  Disk_ListView.SetFont(widgets::FontFromHandle(funclib::GetIconTitleFont(), Disk_ListView.GetFont()));
  CpuIdList_Fill();
  Main_PageCtrl_Change(Main_PageCtrl);

  Printers_Combo.SetItems(InstalledPrinterEntries());
  Printers_Combo.SetItemIndex(0);  // selects nothing when there are no printers

  std::vector<std::string> cursors;
  for (int k = 0; k < static_cast<int>(CursorNames.size()); ++k)
    cursors.push_back(std::to_string(-k) + ": " + std::string(CursorNames[k]));
  Cursor_Combo.SetItems(std::move(cursors));
  Cursor_Combo.SetItemIndex(0);
  Cursor_Combo_Change(Cursor_Combo);

  SysColor_Combo.SetItems({SysColorNames.begin(), SysColorNames.end()});
  SysColor_Combo.SetItemIndex(0);
}

void TFormOrvane::UpdateInfo_Cmd(widgets::Component&) {
  switch (Main_PageCtrl.ActivePageIndex()) {
    case 0: MemPage_Update(); break;
    case 4: OtherPage_Update(); break;
    case 5: UpdateWinampPage(); break;
    default: break;  // System, Feature Flags and Disks are filled on demand, not refreshed
  }
}

void TFormOrvane::Main_PageCtrl_Change(widgets::Control&) {
  UpdateInfo_Cmd(Main_PageCtrl);
  switch (Main_PageCtrl.ActivePageIndex()) {
    case 1:
      if (Sys_ListView.ItemCount() == 0) SysList_Fill();
      break;
    case 2:
      CpuIdPage_Activate();  // on every visit
      break;
    case 3:
      if (Disk_ListView.Tag() == 0) DiskUpdate_Btn.Click();  // the fill marks the list as filled
      break;
    default:
      break;
  }
}

void TFormOrvane::UpdInterval_Combo_Change(widgets::Control&) {
  Timer1.SetInterval(IntervalForItem(UpdInterval_Combo.ItemIndex()));
}

void TFormOrvane::StayOnTop_Toggle(widgets::Control&) {
  platform::SetWindowTopmost(Handle(), StayOnTop_Chk.Checked());
}

void TFormOrvane::Close_Cmd(widgets::Control&) { Close(); }

void TFormOrvane::Settings_Change(widgets::Form&, std::string_view area) {
  // Locale changes name the area "intl" (in any case); a change that names none may be one too.
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  const std::string_view intl = "intl";
  const bool isIntl = area.size() == intl.size() && std::equal(area.begin(), area.end(), intl.begin(),
                                                                 [&](char a, char b) { return lower(a) == b; });
  if (area.empty() || isIntl) formatSettings_ = funclib::UserFormatSettings();
}
